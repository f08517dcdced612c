// Bad input never leaves the engine inconsistent: hostile cell texts, and a long random
// session of any key in any cell.

#include "support/qstringprint.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace talco;
using namespace talco::tapetest;
using namespace std::string_view_literals;

namespace {

using talco::testsupport::PrintTo;

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

// The tape as one full pass from its texts alone leaves it: whatever the engine keeps
// between passes must never show through.
::testing::AssertionResult matchesFullPass(const TapeModel& tape)
{
    TapeModel fresh(tape.settings(), tape.numberFormat().locale());
    std::vector<TapeModel::RowTexts> rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows.push_back({i, tape.Op(i).text, tape.Nombre(i).text, QString()});
    fresh.loadRows(rows, true);
    fresh.Recalculate(false);
    for (int i = 0; i < TapeRowCount; ++i) {
        for (CellKind kind : {CellKind::Op, CellKind::Nombre}) {
            const Cell& a = tape.cell({kind, i});
            const Cell& b = fresh.cell({kind, i});
            if (a.text != b.text || a.bold != b.bold || a.colour != b.colour ||
                a.fontSize != b.fontSize)
                return ::testing::AssertionFailure()
                       << "row " << i << " shows \"" << a.text.toStdString()
                       << "\" where a full pass gives \"" << b.text.toStdString() << '"';
        }
    }
    return ::testing::AssertionSuccess();
}

// ---- hostile cell texts ----------------------------------------------------------------

struct TextCase {
    const char* name;
    QString text;
    const char16_t* sum; // 10 plus the text, in row 2; empty where the pass stops
};

class HostileText : public ::testing::TestWithParam<TextCase> {};

TEST_P(HostileText, AsFigure)
{
    const TextCase& c = GetParam();
    for (bool reformat : {true, false}) {
        SCOPED_TRACE(reformat);
        TapeModel tape(DefaultSettings, french());
        load(tape,
             {{u"", u"10"}, {u"+", u""}, {u"=", u""}, {u"", u"1"}, {u"+", u"2"}, {u"=", u""}});
        tape.setFocus(CellId::Nombre(6));
        tape.loadRows({{1, QStringLiteral("+"), c.text, QString()}}, true);
        tape.Recalculate(reformat);
        tape.Recalculate(!reformat);
        ASSERT_TRUE(consistent(tape));
        EXPECT_TRUE(matchesFullPass(tape));

        if (!tape.numberFormat().isNumber(c.text)) {
            EXPECT_EQ(tape.Nombre(1).text, c.text); // no number: left as it stands
        }
        EXPECT_EQ(tape.Nombre(2).text, qs(c.sum));
        // Rows below a stop keep what they showed (nothing); otherwise they follow.
        EXPECT_EQ(tape.Nombre(5).text, *c.sum ? QStringLiteral("3,00") : QString());
    }
}

const TextCase textCases[] = {
    {"TenThousandNines", QString(10000, u'9'), u""},
    {"TenThousandDigitsWorthOne", QString(9999, u'0') + u'1', u"11,00"},
    {"TinyFraction", QStringLiteral("0,") + QString(9998, u'0') + u'1', u"10,00"},
    {"TenThousandLetters", QString(10000, u'x'), u"10,00"},
    {"DigitThenNul", QStringLiteral("5") + QChar(0), u"10,00"},
    {"NaN", QStringLiteral("NaN"), u"10,00"},
    {"Inf", QStringLiteral("inf"), u"10,00"},
    {"LoneSurrogate", QString(QChar(0xD800)), u"10,00"},
};

INSTANTIATE_TEST_SUITE_P(Robustness, HostileText, ::testing::ValuesIn(textCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- a long random session ---------------------------------------------------------------

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
            // Undo and redo bring back texts that a full pass agrees with.
            action % 2 ? tape.undo() : tape.redo();
        } else {
            const int size = int(tape.cell(focus).text.size());
            tape.editField(focus, tape.cell(focus).text, pick(size + 1), pick(size + 1));
        }
        ASSERT_TRUE(consistent(tape)) << "step " << step << " action " << action;
        // Every change recalculates; only the shift leaves that to the next change.
        if (tape.recalcStats().passes != passes) {
            ASSERT_TRUE(matchesFullPass(tape)) << "step " << step << " action " << action;
        }
    }
    tape.Recalculate(false);
    EXPECT_TRUE(matchesFullPass(tape));
}

} // namespace
