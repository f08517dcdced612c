// How long the real window takes to follow a key on a full tape, view update included:
// a real key event reaches the focused cell, and the event loop then runs dry.

#include "app/frmmain.h"
#include "app/tapecell.h"
#include "app/tapeview.h"
#include "files/tapetext.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <memory>

using namespace talco;

namespace {

// Rows 0 to 98 filled as typed, unformatted: a start figure, figures added or taken
// away, and a result every sixth row.
QString fullTape()
{
    QString text;
    for (int i = 0; i < LastRow; ++i) {
        QString op = QStringLiteral("=");
        QString figure = QStringLiteral("0"); // a stale result
        if (i % 6 != 5) {
            op = i == 0 ? QString() : (i % 6 == 4 ? QStringLiteral("-") : QStringLiteral("+"));
            figure = QString::number(10 + (i * 397) % 2000) + QStringLiteral(",5");
        }
        text += QString::number(i) + u'\t' + op + u'\t' + figure + QStringLiteral("\r\n");
    }
    return text + QString::number(LastRow) + QStringLiteral("\t\t\r\n");
}

struct Window {
    QTemporaryDir folder;
    std::unique_ptr<frmMain> window;

    Window()
    {
        window =
            std::make_unique<frmMain>(AppContext{folder.path(), QLocale(QStringLiteral("fr_FR"))});
        window->Form_Load();
        window->activateWindow();
        QApplication::processEvents();
        reload();
    }

    // Puts the full tape back without recalculating cell by cell, and the focus in row.
    void reload(int row = 1)
    {
        TapeModel& tape = window->tape();
        {
            TapeModel::Handler scope(tape);
            LoadTapeText(tape, fullTape(), true);
            tape.Recalculate(false);
            tape.bringIntoView(row);
            tape.setFocus(CellId::Nombre(row));
        }
        window->view().sync();
        // As a click would: hiding the focused cell may have sent the focus elsewhere.
        window->view().cell(CellId::Nombre(row))->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }

    TapeCell* focused() const { return dynamic_cast<TapeCell*>(QApplication::focusWidget()); }
};

// Recalculation passes per key: how much work the key caused.
void reportPasses(benchmark::State& state, const TapeModel& tape)
{
    state.counters["passes"] = double(tape.recalcStats().passes) / double(state.iterations());
}

void typeKey(QWidget* cell, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(cell, &press);
    QApplication::sendEvent(cell, &release);
    QApplication::processEvents();
}

// A digit replacing the second figure: every result below it changes.
void BM_DigitOnFullTape(benchmark::State& state)
{
    Window w;
    TapeCell* cell = w.focused();
    if (!cell || cell->id() != CellId::Nombre(1)) {
        state.SkipWithError("the focus is not in row 1");
        return;
    }
    TapeModel& tape = w.window->tape();
    tape.resetRecalcStats();
    int digit = 0;
    for (auto _ : state) {
        cell->selectAll();
        const int d = 1 + digit++ % 2;
        typeKey(cell, Qt::Key(Qt::Key_0 + d), QString::number(d));
    }
    reportPasses(state, tape);
    if (tape.Nombre(1).text != QString::number(1 + (digit - 1) % 2))
        state.SkipWithError("the key did not reach the tape");
}
BENCHMARK(BM_DigitOnFullTape)->Unit(benchmark::kMillisecond);

// "=" after a figure: a new result row, every figure rewritten in the display format
// and the focus two rows on.
void BM_EqualsReformatsFullTape(benchmark::State& state)
{
    Window w;
    long passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.reload(50);
        TapeCell* cell = w.focused();
        w.window->tape().resetRecalcStats();
        state.ResumeTiming();
        if (!cell) {
            state.SkipWithError("no focused cell");
            break;
        }
        typeKey(cell, Qt::Key_Equal, QStringLiteral("="));
        passes += w.window->tape().recalcStats().passes;
    }
    state.counters["passes"] = double(passes) / double(state.iterations());
    const TapeModel& tape = w.window->tape();
    if (tape.Op(51).text != u"=" || tape.Nombre(0).text != u"10,50") {
        const QString got = tape.Op(51).text + u'|' + tape.Nombre(0).text;
        state.SkipWithError(("the key did not reach the tape: " + got.toStdString()).c_str());
    }
}
BENCHMARK(BM_EqualsReformatsFullTape)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
