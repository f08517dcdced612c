// Keyboard entry: what each key does in a cell, the focus and change orders, the shift.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <vector>

using namespace talco;
using namespace talco::tapetest;

namespace {

QLocale localeFor(bool french)
{
    return french ? tapetest::french() : tapetest::english();
}

void expectFocusOnNombre(const TapeModel& tape, int row)
{
    ASSERT_TRUE(tape.focusedCell().has_value());
    EXPECT_EQ(*tape.focusedCell(), CellId::Nombre(row));
    EXPECT_EQ(tape.entry().CurrentRow, row);
    EXPECT_FALSE(tape.entry().OpCellFocused);
}

// ---- typing on an empty tape from Nombre(0) -------------------------------------

struct TypingCase {
    const char* name;
    bool french;
    std::u16string_view keys;
    std::vector<RowText> rows; // rows from 0 on; every later row stays empty
    int focusRow;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, LeavesTheseRowsAndFocus)
{
    const TypingCase& c = GetParam();
    TapeModel tape(DefaultSettings, localeFor(c.french));
    tape.setFocus(CellId::Nombre(0));
    typeKeys(tape, c.keys);

    for (int i = 0; i < TapeRowCount; ++i) {
        SCOPED_TRACE(i);
        const bool listed = i < int(c.rows.size());
        EXPECT_EQ(tape.Op(i).text, listed ? qs(c.rows[i].op) : QString());
        EXPECT_EQ(tape.Nombre(i).text, listed ? qs(c.rows[i].nombre) : QString());
    }
    expectFocusOnNombre(tape, c.focusRow);
}

// clang-format off
const TypingCase typingCases[] = {
    {"PlusMovesToNextRowFr", true, u"12+", {{u"", u"12"}, {u"+", u""}}, 1},
    {"PlusMovesToNextRowEn", false, u"12+", {{u"", u"12"}, {u"+", u""}}, 1},
    {"EqualsInRow3Fr", true, u"100+50+1500+5=",
     {{u"", u"100,00"}, {u"+", u"50,00"}, {u"+", u"1\u00A0500,00"}, {u"+", u"5,00"},
      {u"=", u"1\u00A0655,00"}}, 5},
    {"EqualsInRow3En", false, u"100+50+1500+5=",
     {{u"", u"100.00"}, {u"+", u"50.00"}, {u"+", u"1,500.00"}, {u"+", u"5.00"},
      {u"=", u"1,655.00"}}, 5},
    // Enter on a row without operator moves down, so the next figure starts afresh;
    // on an operator row whose next row is free it is equals.
    {"EnterMovesDownThenActsAsEqualsFr", true, u"5\r7+3\r",
     {{u"", u"5,00"}, {u"", u"7,00"}, {u"+", u"3,00"}, {u"=", u"10,00"}}, 4},
    {"EnterOnLoneFigureWritesNothingEn", false, u"5\r", {{u"", u"5"}}, 1},
    {"DotBecomesCommaFr", true, u"1.5+", {{u"", u"1,5"}, {u"+", u""}}, 1},
    {"DotKeptEn", false, u"1.5+", {{u"", u"1.5"}, {u"+", u""}}, 1},
    {"CommaKeptFr", true, u"2,5+", {{u"", u"2,5"}, {u"+", u""}}, 1},
    {"CommaKeptEn", false, u"2,5+", {{u"", u"2,5"}, {u"+", u""}}, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Entry, Typing, ::testing::ValuesIn(typingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- keys that a cell swallows --------------------------------------------------

// Controls, letters, signs next to the handled ones, spaces, Latin-1 and wide forms.
constexpr char16_t SwallowedKeys[] = {0,    1,    9,      10,     27,     u' ',   u'%',   u'(',
                                      u'"', u':', u'<',   u'A',   u'e',   u'k',   u'~',   0x7F,
                                      0xB7, 0xE9, 0x00A0, 0x202F, 0x2212, 0x20AC, 0xFF11, 0xFFFF};

TEST(EntrySwallow, NumberCellKeepsOnlyDigitsSeparatorsBackspaceAndOperators)
{
    for (char16_t key : SwallowedKeys) {
        SCOPED_TRACE(int(key));
        TapeModel tape(DefaultSettings, french());
        tape.setFocus(CellId::Nombre(0));
        typeKeys(tape, u"12");
        tape.typeKey(CellId::Nombre(0), key);
        EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("12"));
        EXPECT_EQ(tape.Nombre(0).caret, 2);
        EXPECT_EQ(tape.Op(1).text, QString());
        expectFocusOnNombre(tape, 0);
    }
}

TEST(EntrySwallow, OperatorCellKeepsOnlyTheFiveOperators)
{
    for (char16_t key : std::u16string_view(u"09,.\b\r \u00A0k")) {
        SCOPED_TRACE(int(key));
        TapeModel tape(DefaultSettings, english());
        load(tape, {{u"", u"10"}, {u"+", u"5"}, {u"=", u""}});
        tape.focusIn(CellId::Op(1));
        tape.typeKey(CellId::Op(1), key);
        EXPECT_EQ(tape.Op(1).text, QStringLiteral("+"));
        EXPECT_EQ(tape.Op(1).selLength, 1);
        EXPECT_EQ(*tape.focusedCell(), CellId::Op(1));
    }
}

// ---- editing a tape that already has figures ------------------------------------

class EntryEditing : public ::testing::Test {
protected:
    // 10 + 5 + 3 = 18, focus after the result.
    void SetUp() override
    {
        tape.setFocus(CellId::Nombre(0));
        typeKeys(tape, u"10+5+3=");
        ASSERT_EQ(tape.Nombre(3).text, QStringLiteral("18,00"));
    }
    TapeModel tape{DefaultSettings, french()};
};

TEST_F(EntryEditing, OperatorCellSelectsItsOperatorSoTypingReplacesIt)
{
    tape.focusIn(CellId::Op(1));
    EXPECT_TRUE(tape.entry().OpCellFocused);
    EXPECT_EQ(tape.entry().CurrentRow, 1);
    EXPECT_EQ(tape.Op(1).caret, 0);
    EXPECT_EQ(tape.Op(1).selLength, 1);
    typeKeys(tape, u"*");
    EXPECT_EQ(tape.Op(1).text, QStringLiteral("*"));
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("53,00"));
}

TEST_F(EntryEditing, MinusReplacesNextRowsOperatorAndMovesThere)
{
    tape.focusIn(CellId::Nombre(1));
    typeKeys(tape, u"7-");
    EXPECT_EQ(tape.Nombre(1).text, QStringLiteral("7"));
    EXPECT_EQ(tape.Op(2).text, QStringLiteral("-"));
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("14,00"));
    expectFocusOnNombre(tape, 2);
    EXPECT_EQ(tape.Nombre(2).selLength, 4); // "3,00" selected, ready to be replaced
}

TEST_F(EntryEditing, EqualsMidTapeTurnsNextRowIntoResult)
{
    tape.focusIn(CellId::Nombre(1));
    typeKeys(tape, u"9=");
    EXPECT_EQ(tape.Op(2).text, QStringLiteral("="));
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("19,00")); // the figure 3 is lost
    EXPECT_TRUE(tape.Nombre(2).bold);
    EXPECT_EQ(tape.Nombre(1).text, QStringLiteral("9,00"));
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("19,00"));
    expectFocusOnNombre(tape, 3);
}

TEST_F(EntryEditing, EqualsBeforeExistingResultOnlyMovesFocus)
{
    tape.focusIn(CellId::Nombre(2));
    typeKeys(tape, u"4");
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("19,00"));

    tape.resetRecalcStats();
    typeKeys(tape, u"=");
    EXPECT_EQ(tape.recalcStats().passes, 0);
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("4")); // not reformatted
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("10,00"));
    expectFocusOnNombre(tape, 4);
}

TEST_F(EntryEditing, EnterOnOperatorRowWhoseNextRowHasOperatorOnlyMovesDown)
{
    tape.focusIn(CellId::Nombre(1));
    typeKeys(tape, u"6\r");
    EXPECT_EQ(tape.Nombre(1).text, QStringLiteral("6")); // Enter inserts nothing
    EXPECT_EQ(tape.Op(2).text, QStringLiteral("+"));
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("3,00"));
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("19,00"));
    expectFocusOnNombre(tape, 2);
}

TEST_F(EntryEditing, DigitTypedIntoResultIsOverwrittenAtOnce)
{
    tape.focusIn(CellId::Nombre(3));
    typeKeys(tape, u"9");
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("18,00"));
    EXPECT_TRUE(tape.Nombre(3).bold);
    EXPECT_EQ(tape.Nombre(3).colour, ResultColour);
}

// ---- focus and click -----------------------------------------------------------

TEST(EntryFocus, NumberCellSelectsWholeFigureUnlessCaretToEnd)
{
    TapeModel tape(DefaultSettings, french());
    for (CellId cell : {CellId::Op(3), CellId::Nombre(7), CellId::Op(7), CellId::Nombre(2)}) {
        tape.focusIn(cell);
        EXPECT_EQ(tape.entry().OpCellFocused, cell.kind == CellKind::Op);
        EXPECT_EQ(tape.entry().CurrentRow, cell.row);
    }
    load(tape, {{u"", u"1234,5"}, {u"+", u"77"}});
    tape.focusIn(CellId::Nombre(0));
    EXPECT_EQ(tape.Nombre(0).caret, 0);
    EXPECT_EQ(tape.Nombre(0).selLength, 6);

    tape.entry().CaretToEnd = true;
    tape.focusIn(CellId::Nombre(1));
    EXPECT_EQ(tape.Nombre(1).caret, 2);
    EXPECT_EQ(tape.Nombre(1).selLength, 0);
    EXPECT_FALSE(tape.entry().CaretToEnd);
}

// ---- the order of change and focus handling --------------------------------------

TEST(EntryOrder, DifferentTextRunsChangeHandlerBeforeSetterReturns)
{
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"10"}, {u"+", u"5"}, {u"=", u""}});
    {
        TapeModel::Handler scope(tape);
        tape.setText(CellId::Nombre(1), QStringLiteral("7"));
        EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("17,00"));
    }
    tape.resetRecalcStats();
    tape.setText(CellId::Nombre(1), QStringLiteral("7"));
    EXPECT_EQ(tape.recalcStats().passes, 0);
}

TEST(EntryOrder, FocusHandlerWaitsForOutermostHandler)
{
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"42"}, {u"+", u"8"}});
    tape.setFocus(CellId::Nombre(0));
    {
        TapeModel::Handler outer(tape);
        tape.setFocus(CellId::Nombre(1));
        {
            TapeModel::Handler inner(tape);
        }
        EXPECT_EQ(tape.entry().CurrentRow, 0);
        EXPECT_EQ(tape.Nombre(1).selLength, 0);
    }
    EXPECT_EQ(tape.entry().CurrentRow, 1);
    EXPECT_EQ(tape.Nombre(1).selLength, 1);
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
    EXPECT_EQ(tape.Op(2).text, QStringLiteral("+"));
}

TEST(EntryOrder, FocusRequestForFocusedCellRunsNoHandler)
{
    TapeModel tape(DefaultSettings, french());
    tape.setFocus(CellId::Nombre(0));
    typeKeys(tape, u"12");
    tape.setFocus(CellId::Nombre(0));
    tape.focusIn(CellId::Nombre(0));
    EXPECT_EQ(tape.Nombre(0).caret, 2); // a handler would have selected "12"
    EXPECT_EQ(tape.Nombre(0).selLength, 0);
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
    {"InsertAtEnd", 5, 0, u'6', u"123456", 6},
    {"InsertReplacesAll", 0, 5, u'7', u"7", 1},
    {"BackspaceDeletesSelection", 1, 3, Backspace, u"15", 1},
    {"BackspaceDeletesCharBeforeCaret", 3, 0, Backspace, u"1245", 2},
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
    std::vector<RowText> rows;
    std::vector<std::u16string> figures(TapeRowCount);
    for (int i = 0; i < TapeRowCount; ++i) {
        figures[i] = QString::number(i + 1).toStdU16String();
        rows.push_back({i == 0 ? u"" : (i % 10 == 0 ? u"=" : u"+"), figures[i]});
    }
    load(tape, rows);
    tape.Recalculate(false);
    std::vector<Cell> before;
    for (int i = 0; i < TapeRowCount; ++i) {
        before.push_back(tape.Op(i));
        before.push_back(tape.Nombre(i));
    }
    tape.userScroll(80);
    tape.focusIn(CellId::Nombre(c.row));
    tape.typeKey(CellId::Nombre(c.row), c.key);

    const int target = c.row - 3;
    for (int i = 0; i < TapeRowCount; ++i) {
        SCOPED_TRACE(i);
        if (i >= TapeRowCount - 3) {
            EXPECT_EQ(tape.Op(i).text, QString());
            EXPECT_EQ(tape.Nombre(i).text, QString());
            continue;
        }
        const Cell& op = before[2 * (i + 3)];
        const Cell& nombre = before[2 * (i + 3) + 1];
        EXPECT_EQ(tape.Op(i).text, op.text);
        EXPECT_EQ(tape.Op(i).bold, op.bold);
        EXPECT_EQ(tape.Op(i).colour, op.colour);
        EXPECT_EQ(tape.Op(i).fontSize, op.fontSize);
        EXPECT_EQ(tape.Nombre(i).bold, nombre.bold);
        EXPECT_EQ(tape.Nombre(i).colour, nombre.colour);
        if (i != target || !c.digitSurvives) {
            EXPECT_EQ(tape.Nombre(i).text, nombre.text);
        }
    }
    const QString expected = c.digitSurvives ? QString(QChar(c.key)) : before[2 * c.row + 1].text;
    EXPECT_EQ(tape.Nombre(target).text, expected);
    EXPECT_EQ(tape.Nombre(target).caret, int(expected.size()));
    EXPECT_EQ(tape.Nombre(target).selLength, 0);
    EXPECT_FALSE(tape.entry().CaretToEnd);
    EXPECT_FALSE(tape.entry().Busy);
    EXPECT_EQ(tape.scrollValue(), 80);
    expectFocusOnNombre(tape, target);
}

const ShiftCase shiftCases[] = {
    {"Digit97", 97, u'7', true},
    {"Digit99", 99, u'9', true},
    {"PlusLost97", 97, u'+', false},
    {"EnterLost99", 99, Enter, false},
    {"BackspaceLost98", 98, Backspace, false},
};

INSTANTIATE_TEST_SUITE_P(Entry, TapeShift, ::testing::ValuesIn(shiftCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TapeShiftThenTyping, NextDigitExtendsFigureAndRecalculates)
{
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"1"}, {u"+", u"2"}, {u"+", u"3"}, {u"", u"100"}});
    tape.focusIn(CellId::Nombre(97));
    typeKeys(tape, u"7");
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("100"));
    typeKeys(tape, u"8+2=");
    EXPECT_EQ(tape.Nombre(94).text, QStringLiteral("78,00"));
    EXPECT_EQ(tape.Op(95).text, QStringLiteral("+"));
    EXPECT_EQ(tape.Nombre(96).text, QStringLiteral("80,00"));
    expectFocusOnNombre(tape, 97);
}

} // namespace
