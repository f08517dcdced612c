// Keyboard entry: what each key does in a cell, the focus and change orders, the shift.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <vector>

using namespace talco;
using namespace talco::tapetest;
using namespace std::string_view_literals;

namespace {

// ---- typing: the rows and the focus it leaves -------------------------------------

struct TypingCase {
    const char* name;
    bool french;
    std::u16string_view before; // typed from Nombre(0) first
    CellId start;               // then this cell takes the focus
    std::u16string_view keys;
    std::vector<RowText> rows; // rows from 0 on; every later row stays empty
    CellId focus;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, LeavesTheseRowsAndFocus)
{
    const TypingCase& c = GetParam();
    TapeModel tape(DefaultSettings, c.french ? french() : english());
    tape.setFocus(CellId::Nombre(0));
    typeKeys(tape, c.before);
    tape.focusIn(c.start);
    typeKeys(tape, c.keys);

    for (int i = 0; i < TapeRowCount; ++i) {
        SCOPED_TRACE(i);
        const bool listed = i < int(c.rows.size());
        EXPECT_EQ(tape.Op(i).text, listed ? qs(c.rows[i].op) : QString());
        EXPECT_EQ(tape.Nombre(i).text, listed ? qs(c.rows[i].nombre) : QString());
    }
    EXPECT_EQ(tape.focusedCell(), c.focus); // Robustness checks CurrentRow follows it
}

constexpr CellId N0 = CellId::Nombre(0);
// 10 + 5 + 3 = 18, to be edited.
constexpr std::u16string_view Sum18 = u"10+5+3=";

// clang-format off
const TypingCase typingCases[] = {
    // Enter on a row without operator moves down, so the next figure starts afresh;
    // on an operator row whose next row is free it is equals.
    {"EnterMovesDownThenActsAsEqualsFr", true, u"", N0, u"5\r7+3\r",
     {{u"", u"5,00"}, {u"", u"7,00"}, {u"+", u"3,00"}, {u"=", u"10,00"}}, CellId::Nombre(4)},
    {"CommaAndDotKeptEn", false, u"", N0, u"1,234.5+", {{u"", u"1,234.5"}, {u"+", u""}},
     CellId::Nombre(1)},
    // Controls, letters (the exponent "e" too), signs, Latin-1, blanks and wide forms.
    {"NumberCellSwallowsOtherKeysFr", true, u"", N0,
     u"1\0\t\n\x1B %Ae~\x7F\xE9\xA0\u202F\u2212\u20AC\uFF112"sv, {{u"", u"12"}}, N0},
    {"OperatorCellSwallowsOtherKeysEn", false, u"10+5=", CellId::Op(1), u"09,.\b\r \u00A0k",
     {{u"", u"10.00"}, {u"+", u"5.00"}, {u"=", u"15.00"}}, CellId::Op(1)},
    // The operator cell selects its operator, so typing replaces it.
    {"OperatorCellReplacesOperator", true, Sum18, CellId::Op(1), u"*",
     {{u"", u"10,00"}, {u"*", u"5,00"}, {u"+", u"3,00"}, {u"=", u"53,00"}}, CellId::Op(1)},
    {"MinusReplacesNextRowsOperator", true, Sum18, CellId::Nombre(1), u"7-",
     {{u"", u"10,00"}, {u"+", u"7"}, {u"-", u"3,00"}, {u"=", u"14,00"}}, CellId::Nombre(2)},
    // The figure 3 is lost to the new result row.
    {"EqualsMidTapeTurnsNextRowIntoResult", true, Sum18, CellId::Nombre(1), u"9=",
     {{u"", u"10,00"}, {u"+", u"9,00"}, {u"=", u"19,00"}, {u"=", u"19,00"}}, CellId::Nombre(3)},
    // No reformatting pass: "4" stays as typed.
    {"EqualsBeforeExistingResultOnlyMovesFocus", true, Sum18, CellId::Nombre(2), u"4=",
     {{u"", u"10,00"}, {u"+", u"5,00"}, {u"+", u"4"}, {u"=", u"19,00"}}, CellId::Nombre(4)},
    {"EnterBeforeOperatorRowOnlyMovesDown", true, Sum18, CellId::Nombre(1), u"6\r",
     {{u"", u"10,00"}, {u"+", u"6"}, {u"+", u"3,00"}, {u"=", u"19,00"}}, CellId::Nombre(2)},
    {"DigitTypedIntoResultIsOverwritten", true, Sum18, CellId::Nombre(3), u"9",
     {{u"", u"10,00"}, {u"+", u"5,00"}, {u"+", u"3,00"}, {u"=", u"18,00"}}, CellId::Nombre(3)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Entry, Typing, ::testing::ValuesIn(typingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- focus and the order of change and focus handling ----------------------------

TEST(EntryFocus, RequestForFocusedCellRunsNoHandler)
{
    TapeModel tape(DefaultSettings, french());
    tape.setFocus(CellId::Nombre(0));
    typeKeys(tape, u"12");
    tape.setFocus(CellId::Nombre(0));
    tape.focusIn(CellId::Nombre(0));
    EXPECT_EQ(tape.Nombre(0).caret, 2); // a handler would have selected "12"
    EXPECT_EQ(tape.Nombre(0).selLength, 0);
}

TEST(EntryOrder, ChangeHandlerRunsAtOnceWhileFocusWaitsForOutermostHandler)
{
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"10"}, {u"+", u"5"}, {u"=", u""}});
    tape.setFocus(CellId::Nombre(0));
    {
        TapeModel::Handler outer(tape);
        tape.setFocus(CellId::Nombre(1));
        tape.setText(CellId::Nombre(1), QStringLiteral("7"));
        EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("17,00"));
        {
            TapeModel::Handler inner(tape);
        }
        EXPECT_EQ(tape.entry().CurrentRow, 0);
        EXPECT_EQ(tape.Nombre(1).selLength, 0);
    }
    EXPECT_EQ(tape.entry().CurrentRow, 1);
    EXPECT_EQ(tape.Nombre(1).selLength, 1);

    // The same text again is no change.
    tape.resetRecalcStats();
    tape.setText(CellId::Nombre(1), QStringLiteral("7"));
    EXPECT_EQ(tape.recalcStats().passes, 0);
}

TEST(EntryOrder, OperatorMakesTargetCurrentAtOnceWhileEnterWaitsForFocus)
{
    // The keypad calls the key handler and may act on CurrentRow before focus settles.
    TapeModel tape(DefaultSettings, english());
    load(tape, {{u"", u"4"}, {u"", u"6"}, {u"+", u"1"}});
    tape.setFocus(CellId::Nombre(0));
    {
        TapeModel::Handler scope(tape);
        char16_t key = u'*';
        tape.Nombre_KeyPress(0, key);
        EXPECT_EQ(key, 0);
        EXPECT_EQ(tape.entry().CurrentRow, 1);
        key = Enter;
        tape.Nombre_KeyPress(1, key);
        EXPECT_EQ(key, Enter);
        EXPECT_EQ(tape.entry().CurrentRow, 1);
    }
    expectFocusOnNombre(tape, 2);
}

// ---- the one-line field contract -----------------------------------------------

struct FieldCase {
    const char* name;
    int caret;
    int selLength;
    char16_t key;
    std::u16string_view text; // from "12345"
    int newCaret;
};

class FieldContract : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldContract, EditsTextAndCaret)
{
    const FieldCase& c = GetParam();
    TapeModel tape(DefaultSettings, english());
    load(tape, {{u"", u"12345"}});
    tape.setFocus(CellId::Nombre(0));
    tape.setCaret(CellId::Nombre(0), c.caret, c.selLength);
    tape.typeKey(CellId::Nombre(0), c.key);
    EXPECT_EQ(tape.Nombre(0).text, qs(c.text));
    EXPECT_EQ(tape.Nombre(0).caret, c.newCaret);
    EXPECT_EQ(tape.Nombre(0).selLength, 0);
}

const FieldCase fieldCases[] = {
    {"InsertReplacesSelection", 1, 2, u'9', u"1945", 2},
    {"BackspaceDeletesSelection", 1, 3, Backspace, u"15", 1},
    {"BackspaceAtStartDoesNothing", 0, 0, Backspace, u"12345", 0},
};

INSTANTIATE_TEST_SUITE_P(Entry, FieldContract, ::testing::ValuesIn(fieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the tape shift near the bottom ----------------------------------------------

struct ShiftCase {
    const char* name;
    int row;
    char16_t key;
    bool digitSurvives;
};

class TapeShift : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(TapeShift, MovesTapeUpThreeRows)
{
    const ShiftCase& c = GetParam();
    TapeModel tape(DefaultSettings, french());
    fillTape(tape);
    std::vector<Cell> before; // Op(i) at 2i, Nombre(i) at 2i + 1
    for (int i = 0; i < TapeRowCount; ++i)
        before.insert(before.end(), {tape.Op(i), tape.Nombre(i)});
    tape.userScroll(80);
    tape.focusIn(CellId::Nombre(c.row));
    tape.typeKey(CellId::Nombre(c.row), c.key);

    const int target = c.row - 3;
    const QString typed = c.digitSurvives ? QString(QChar(c.key)) : before[2 * c.row + 1].text;
    for (int i = 0; i < TapeRowCount; ++i) {
        SCOPED_TRACE(i);
        if (i >= TapeRowCount - 3) {
            EXPECT_EQ(tape.Op(i).text + tape.Nombre(i).text, QString());
            continue;
        }
        const Cell* from = &before[2 * (i + 3)];
        EXPECT_EQ(tape.Op(i).text, from[0].text);
        EXPECT_EQ(tape.Nombre(i).text, i == target ? typed : from[1].text);
        for (const Cell* now : {&tape.Op(i), &tape.Nombre(i)}) {
            EXPECT_EQ(now->bold, from->bold);
            EXPECT_EQ(now->colour, from->colour);
            ++from;
        }
    }
    EXPECT_EQ(tape.Nombre(target).caret, int(typed.size()));
    EXPECT_EQ(tape.Nombre(target).selLength, 0);
    EXPECT_FALSE(tape.entry().CaretToEnd);
    EXPECT_EQ(tape.scrollValue(), 80);
    expectFocusOnNombre(tape, target);
}

const ShiftCase shiftCases[] = {
    {"Digit97", 97, u'7', true},
    {"Digit99", 99, u'9', true},
    {"PlusLost97", 97, u'+', false},
    {"BackspaceLost98", 98, Backspace, false},
};

INSTANTIATE_TEST_SUITE_P(Entry, TapeShift, ::testing::ValuesIn(shiftCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
