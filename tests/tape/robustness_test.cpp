// Bad input never leaves the engine inconsistent: hostile cell texts, and a long random
// session of any key in any cell.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace talco;
using namespace talco::tapetest;
using namespace std::string_view_literals;
using namespace Qt::StringLiterals;

namespace {

// What must hold after any outermost handler has returned.
::testing::AssertionResult consistent(const TapeModel& tape)
{
    const std::optional<CellId> f = tape.focusedCell();
    const EntryState& e = tape.entry();
    if (!f || f->row < 0 || f->row > LastRow || e.CurrentRow != f->row ||
        e.OpCellFocused != (f->kind == CellKind::Op))
        return ::testing::AssertionFailure() << "focus disagrees with row " << e.CurrentRow;
    if (e.Busy || e.CaretToEnd)
        return ::testing::AssertionFailure() << "Busy or CaretToEnd left set";
    int shown = 0;
    for (int i = 0; i < TapeRowCount; ++i) {
        for (const Cell* c : {&tape.Op(i), &tape.Nombre(i)}) {
            if (c->caret < 0 || c->selLength < 0 || c->caret + c->selLength > c->text.size() ||
                c->visible != tape.Nombre(i).visible)
                return ::testing::AssertionFailure() << "caret or half-shown row " << i;
        }
        shown += tape.Nombre(i).visible ? 1 : 0;
    }
    if (shown != tape.VisibleRows() || tape.Nombre(LastRow).visible || tape.scrollValue() < 0 ||
        tape.scrollValue() > tape.scrollMax() || tape.ProxyRow() < 1 || tape.ProxyRow() > LastRow)
        return ::testing::AssertionFailure() << shown << " rows shown from " << tape.scrollValue()
                                             << ", proxy " << tape.ProxyRow();
    return ::testing::AssertionSuccess();
}

// Every cell's text and look; the text last, so that no "%" in it is read as a place marker.
QString looks(const TapeModel& tape)
{
    QString out;
    for (int i = 0; i < 2 * TapeRowCount; ++i) {
        const Cell& c = tape.cell({i % 2 ? CellKind::Nombre : CellKind::Op, i / 2});
        out += u"%1 %2 %3 %4\n"_s.arg(int(c.bold)).arg(c.colour.bgr).arg(c.fontSize).arg(c.text);
    }
    return out;
}

// The tape as one full pass from its texts alone leaves it: whatever the engine keeps
// between passes must never show through.
QString fullPass(const TapeModel& tape)
{
    TapeModel fresh(tape.settings(), tape.numberFormat().locale());
    std::vector<TapeModel::RowTexts> rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows.push_back({i, tape.Op(i).text, tape.Nombre(i).text, QString()});
    fresh.loadRows(rows, true);
    fresh.Recalculate(false);
    return looks(fresh);
}

TEST(Robustness, HostileTextsAsFigures)
{
    // The text after op in row 1, below a 10: the sum in row 2, empty where the pass stops.
    const QString nines(10000, u'9');
    const struct {
        const char* name;
        QString text;
        const char16_t *op, *sum;
    } cases[] = {
        {"TenThousandNinesAdded", nines, u"+", u""},
        {"TenThousandNinesAsDivisor", nines, u"/", u""},
        {"TenThousandDigitsWorthOne", QString(9999, u'0') + u'1', u"+", u"11,00"},
        {"TinyFraction", u"0,"_s + QString(9998, u'0') + u'1', u"+", u"10,00"},
        {"DigitThenNul", u"5"_s + QChar(0), u"+", u"10,00"},
        {"NaN", u"NaN"_s, u"+", u"10,00"},
    };
    for (const auto& c : cases) {
        for (bool reformat : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (reformat ? ", reformatting first" : ""));
            TapeModel tape(DefaultSettings, french());
            load(tape,
                 {{u"", u"10"}, {u"+", u""}, {u"=", u""}, {u"", u"1"}, {u"+", u"2"}, {u"=", u""}});
            tape.setFocus(CellId::Nombre(6));
            tape.loadRows({{1, qs(c.op), c.text, QString()}}, true);
            tape.Recalculate(reformat);
            tape.Recalculate(!reformat);
            ASSERT_TRUE(consistent(tape));
            EXPECT_EQ(looks(tape), fullPass(tape));
            if (!tape.numberFormat().isNumber(c.text)) {
                EXPECT_EQ(tape.Nombre(1).text, c.text) << "no number: left as it stands";
            }
            EXPECT_EQ(tape.Nombre(2).text, qs(c.sum));
            // Rows below a stop keep what they showed (nothing); otherwise they follow.
            EXPECT_EQ(tape.Nombre(5).text, *c.sum ? u"3,00"_s : QString());
        }
    }
}

TEST(Robustness, RandomSessionKeepsTapeConsistent)
{
    TapeModel tape(DefaultSettings, french());
    fillTape(tape);
    tape.setFocus(CellId::Nombre(0));

    // Mostly the keys that do something, then controls, letters, Latin-1, blanks,
    // surrogates and a non-character.
    const std::u16string_view keys = u"0123456789012345.,+-*/=\r\r\b\b"
                                     u"xe \t\x1b\x16\0\xA0\xE9\x202F\x2212\xD800\xDC00\xFFFF"sv;
    std::mt19937 random(20240611);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };

    for (int step = 0; step < 6000; ++step) {
        SCOPED_TRACE(step);
        const long passes = tape.recalcStats().passes;
        const int action = pick(100);
        const CellId focus = *tape.focusedCell();
        if (action < 80) {
            tape.typeKey(focus, keys[pick(int(keys.size()))]);
        } else if (action < 86) {
            tape.focusIn(
                CellId{pick(4) == 0 ? CellKind::Op : CellKind::Nombre, pick(TapeRowCount)});
        } else if (action < 89) {
            tape.userScroll(pick(TapeRowCount + 5) - 2);
        } else if (action < 91) {
            tape.userScrollProxy(pick(TapeRowCount + 5) - 2);
        } else if (action < 95) {
            // Undo and redo bring back texts that a full pass agrees with; a step that
            // changes nothing would only make the user press again.
            const QString before = looks(tape);
            if (action % 2 ? tape.undo() : tape.redo())
                ASSERT_NE(looks(tape), before) << "action " << action;
        } else {
            const int size = int(tape.cell(focus).text.size());
            tape.editField(focus, tape.cell(focus).text, pick(size + 1), pick(size + 1));
        }
        ASSERT_TRUE(consistent(tape)) << "action " << action;
        // Every change recalculates; only the shift leaves that to the next change.
        if (tape.recalcStats().passes != passes) {
            ASSERT_EQ(looks(tape), fullPass(tape)) << "action " << action;
        }
    }
    tape.Recalculate(false);
    EXPECT_EQ(looks(tape), fullPass(tape));
}

} // namespace
