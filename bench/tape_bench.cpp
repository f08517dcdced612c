// How long the tape takes to follow a key. Every change of a cell recalculates all
// 100 rows, and a rewritten result or figure starts a nested pass, so the counters
// "passes" (per key) and "maxDepth" show how much work one key really causes.

#include "tape/tapemodel.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>

#include <algorithm>
#include <memory>
#include <vector>

using namespace talco;

namespace {

const QLocale French(QStringLiteral("fr_FR"));
const Settings Defaults;

// Fills rows 0 to rows - 1: a start figure in row 0, then figures added or taken
// away, with results spread evenly among them; row 0 and the last row are figures.
// Figures are written bare ("12"), as typed; results are worked out once.
void fillTape(TapeModel& tape, int rows, int results)
{
    std::vector<TapeModel::RowTexts> texts; // loaded quietly: one recalculation, not 200
    int placed = 0;
    for (int i = 0; i < rows; ++i) {
        // Spread the results over rows 1 to rows - 2, never two in a row.
        const int due = (i * results + results) / (rows - 1);
        const bool result = i > 0 && i < rows - 1 && placed < due;
        QString op;
        QString figure;
        if (result) {
            op = QStringLiteral("=");
            ++placed;
        } else {
            op = i == 0 ? QString() : (i % 5 == 4 ? QStringLiteral("-") : QStringLiteral("+"));
            figure = QString::number(10 + (i * 397) % 2000);
        }
        texts.push_back({i, op, figure, QString()});
    }
    tape.loadRows(texts, true);
    tape.Recalculate(false);
}

int countFigures(const TapeModel& tape)
{
    int figures = 0;
    for (int i = 0; i < TapeRowCount; ++i)
        figures += !tape.Nombre(i).text.isEmpty() && tape.Op(i).text != u"=";
    return figures;
}

QString tapeTexts(const TapeModel& tape)
{
    QString texts;
    for (int i = 0; i < TapeRowCount; ++i)
        texts += tape.Op(i).text + u'\t' + tape.Nombre(i).text + u'\n';
    return texts;
}

void reportPasses(benchmark::State& state, const RecalcStats& stats, double keys)
{
    state.counters["passes"] = double(stats.passes) / keys;
    state.counters["maxDepth"] = stats.maxDepth;
}

// One pass over a full tape whose results are up to date: it rewrites nothing.
void BM_RecalculatePass(benchmark::State& state)
{
    TapeModel tape(Defaults, French);
    fillTape(tape, 99, 33);
    tape.Recalculate(true);
    tape.resetRecalcStats();
    for (auto _ : state) {
        // Settled rows are skipped by a text-only pass; measure the walk over all 100.
        tape.forgetSettledRows();
        tape.Recalculate(false);
    }
    reportPasses(state, tape.recalcStats(), double(state.iterations()));
}
BENCHMARK(BM_RecalculatePass);

// A digit typed at the front of the first figure, then Backspace: two real changes,
// each of which moves every result below.
void BM_DigitInRow0(benchmark::State& state)
{
    TapeModel tape(Defaults, French);
    fillTape(tape, 99, 33);
    tape.Recalculate(true);
    const CellId first = CellId::Nombre(0);
    tape.setFocus(first);
    tape.setCaret(first, 0, 0);
    const QString before = tapeTexts(tape);
    tape.resetRecalcStats();
    for (auto _ : state) {
        tape.typeKey(first, u'9');
        tape.typeKey(first, 8);
    }
    reportPasses(state, tape.recalcStats(), 2.0 * double(state.iterations()));
    state.counters["perKey"] = benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
    if (tapeTexts(tape) != before)
        state.SkipWithError("the digit and Backspace did not restore the tape");
}
BENCHMARK(BM_DigitInRow0);

// "=" typed after the last of 60 bare figures: the new result row's operator asks for
// reformatting, and every figure is rewritten ("12" becomes "12,00").
void BM_ReformatEquals(benchmark::State& state)
{
    constexpr int Rows = 97; // "=" goes into row 97, the last one typing can reach
    constexpr int Figures = 60;
    RecalcStats total;
    std::unique_ptr<TapeModel> tape;
    for (auto _ : state) {
        state.PauseTiming();
        tape = std::make_unique<TapeModel>(Defaults, French);
        fillTape(*tape, Rows, Rows - Figures);
        const CellId last = CellId::Nombre(Rows - 1);
        tape->setFocus(last);
        tape->resetRecalcStats();
        state.ResumeTiming();

        tape->typeKey(last, u'=');

        state.PauseTiming();
        total.passes += tape->recalcStats().passes;
        total.maxDepth = std::max(total.maxDepth, tape->recalcStats().maxDepth);
        if (tape->Op(Rows).text != u"=" || tape->Nombre(0).text.size() < 4) {
            state.SkipWithError("the figures were not reformatted");
            break;
        }
        state.ResumeTiming();
    }
    if (tape && countFigures(*tape) != Figures)
        state.SkipWithError("the tape does not hold the intended figures");
    reportPasses(state, total, double(state.iterations()));
}
BENCHMARK(BM_ReformatEquals)->Unit(benchmark::kMicrosecond);

// One undo and one redo of a digit typed in row 0 of a full tape: the figure and every
// result below it go back, and one pass works the tape out again.
void undoRedo(benchmark::State& state, bool measureRedo)
{
    TapeModel tape(Defaults, French);
    fillTape(tape, 99, 33);
    tape.Recalculate(true);
    const CellId first = CellId::Nombre(0);
    tape.setFocus(first);
    tape.setCaret(first, 0, 0);
    tape.typeKey(first, u'9');
    const QString typed = tapeTexts(tape);
    tape.resetRecalcStats();
    for (auto _ : state) {
        if (measureRedo) {
            state.PauseTiming();
            tape.undo();
            state.ResumeTiming();
            tape.redo();
        } else {
            tape.undo();
            state.PauseTiming();
            tape.redo();
            state.ResumeTiming();
        }
    }
    if (tapeTexts(tape) != typed)
        state.SkipWithError("undo and redo did not give back the typed tape");
}

void BM_UndoStep(benchmark::State& state)
{
    undoRedo(state, false);
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

void BM_RedoStep(benchmark::State& state)
{
    undoRedo(state, true);
}
BENCHMARK(BM_RedoStep)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
