// The on-screen keypad's actions on the tape, through Keypad alone (no widgets).

#include "keypad/keypad.h"
#include "support/qstringprint.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

namespace talco {
namespace {

using talco::testsupport::PrintTo;

using namespace tapetest;
using namespace Qt::StringLiterals;

// A tape and its keypad under the given regional settings.
struct Pad {
    explicit Pad(const QLocale& locale) : tape(settings, locale), keypad(tape) {}

    // Gives the focus to a cell as a click would, with the caret after its text.
    void focusAtEnd(CellId id)
    {
        tape.focusIn(id);
        tape.setCaret(id, int(tape.cell(id).text.size()), 0);
    }

    Settings settings;
    TapeModel tape;
    Keypad keypad;
};

// Rows first to last as "op|nombre;op|nombre;...".
QString rows(const TapeModel& tape, int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << tape.Op(i).text + u'|' + tape.Nombre(i).text;
    return out.join(u';');
}

// Rows 0 to last as figure rows of 1: a start row, then "+" rows.
void fillOnes(TapeModel& tape, int last)
{
    std::vector<RowText> ones(last + 1, {u"+", u"1"});
    ones[0].op = u"";
    load(tape, ones);
    tape.Recalculate(false);
}

struct KeyCase {
    std::string name;
    QString base;
    QString tape; // rows 0 to 3 afterwards
    int focusRow;
    bool english = false;
};

std::vector<KeyCase> keyCases()
{
    std::vector<KeyCase> cases;
    for (int d = 0; d <= 9; ++d)
        cases.push_back({"Digit" + std::to_string(d), u"ch"_s + QString::number(d),
                         u"|100%1;|;|;|"_s.arg(d), 0});
    cases.insert(
        cases.end(),
        {
            {"Point", u"point"_s, u"|100,;|;|;|"_s, 0},
            {"PointEnglish", u"point"_s, u"|100.;|;|;|"_s, 0, true},
            {"Plus", u"op0"_s, u"|100;+|;|;|"_s, 1},
            {"Minus", u"op1"_s, u"|100;-|;|;|"_s, 1},
            {"Times", u"op2"_s, u"|100;*|;|;|"_s, 1},
            {"Divide", u"op3"_s, u"|100;/|;|;|"_s, 1},
            {"Equals", u"egale"_s, u"|100,00;=|100,00;|;|"_s, 2},
            {"FrancsToEuros", u"monnaie0"_s, u"|100,00;/|6,55957;=|15,24;|"_s, 3},
            {"EurosToFrancs", u"monnaie1"_s, u"|100,00;*|6,55957;=|655,96;|"_s, 3},
            {"EurosToFrancsEnglish", u"monnaie1"_s, u"|100.00;*|6.55957;=|655.96;|"_s, 3, true},
        });
    return cases;
}

class EveryKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(EveryKey, ActsOnTheCurrentRow)
{
    const KeyCase& c = GetParam();
    Pad pad(c.english ? english() : french());
    pad.tape.setText(CellId::Nombre(0), u"100"_s);
    pad.focusAtEnd(CellId::Nombre(0));
    pad.tape.showHints();
    const auto key = std::find_if(Keys.begin(), Keys.end(), [&](const KeyDef& k) {
        return QString::fromUtf16(k.base) == c.base;
    });
    ASSERT_NE(key, Keys.end());
    pad.keypad.click(*key);
    EXPECT_EQ(rows(pad.tape, 0, 3), c.tape);
    expectFocusOnNombre(pad.tape, c.focusRow);
    EXPECT_FALSE(pad.tape.hintsVisible());
}

INSTANTIATE_TEST_SUITE_P(Keypad, EveryKey, ::testing::ValuesIn(keyCases()),
                         [](const auto& info) { return info.param.name; });

TEST(KeypadDigits, InsertAtTheCaretInPlaceOfTheSelection)
{
    Pad pad(french());
    pad.tape.setText(CellId::Nombre(0), u"1,54"_s);
    pad.tape.focusIn(CellId::Nombre(0));
    pad.tape.setCaret(CellId::Nombre(0), 2, 1);
    pad.keypad.ImgChiffre_Click(9);
    EXPECT_EQ(pad.tape.Nombre(0).text, u"1,94"_s);
    EXPECT_EQ(pad.tape.Nombre(0).caret, 3);
    EXPECT_EQ(pad.tape.Nombre(0).selLength, 0);
    // A second decimal point goes in all the same.
    pad.keypad.ImgVirg_Click();
    EXPECT_EQ(pad.tape.Nombre(0).text, u"1,9,4"_s);
    EXPECT_EQ(pad.tape.Nombre(0).caret, 4);
}

TEST(KeypadOperatorCell, DigitsGoToTheNumberCellAndOperatorsReplaceTheOperator)
{
    Pad pad(french());
    load(pad.tape, {{u"", u"10"}, {u"+", u"5"}});
    pad.tape.Recalculate(false);
    pad.tape.focusIn(CellId::Op(1));
    pad.tape.setCaret(CellId::Nombre(1), 1, 0);
    pad.tape.showHints();

    pad.keypad.ImgFct_Click(1);
    EXPECT_EQ(rows(pad.tape, 0, 2), u"|10;-|5;|"_s);
    EXPECT_TRUE(pad.tape.hintsVisible()) << "an operator in its own cell leaves the hints";

    pad.keypad.ImgChiffre_Click(3);
    EXPECT_EQ(rows(pad.tape, 0, 2), u"|10;-|53;|"_s);
    EXPECT_EQ(pad.tape.focusedCell(), CellId::Op(1));
    EXPECT_TRUE(pad.tape.entry().OpCellFocused);
    EXPECT_FALSE(pad.tape.hintsVisible());

    pad.keypad.ImgEgale_Click();
    EXPECT_EQ(rows(pad.tape, 0, 3), u"|10,00;-|53,00;=|-43,00;|"_s);
    expectFocusOnNombre(pad.tape, 3);
}

TEST(KeypadClear, EmptiesTheTapeAndReturnsToTheTop)
{
    Pad pad(french());
    fillOnes(pad.tape, 59);
    pad.tape.setText(CellId::Op(60), u"="_s);
    ASSERT_EQ(pad.tape.Nombre(60).colour, ResultColour);
    pad.tape.setNote(59, u"last"_s);
    pad.tape.userScroll(50);
    pad.tape.focusIn(CellId::Op(55));
    const QString before = rows(pad.tape, 0, LastRow);

    pad.keypad.ImgC_Click();
    EXPECT_EQ(rows(pad.tape, 0, LastRow), QStringList(TapeRowCount, u"|"_s).join(u';'));
    EXPECT_EQ(pad.tape.note(59), QString());
    EXPECT_EQ(pad.tape.Nombre(60).colour, FigureColour);
    EXPECT_FALSE(pad.tape.Nombre(60).bold);
    EXPECT_EQ(pad.tape.scrollValue(), 0);
    EXPECT_EQ(pad.tape.ProxyRow(), 1);
    expectFocusOnNombre(pad.tape, 0);

    // One undo brings the whole tape back, notes and looks included.
    ASSERT_TRUE(pad.tape.undo());
    EXPECT_EQ(rows(pad.tape, 0, LastRow), before);
    EXPECT_EQ(pad.tape.note(59), u"last"_s);
    EXPECT_EQ(pad.tape.Nombre(60).colour, ResultColour);
    EXPECT_EQ(pad.tape.focusedCell(), CellId::Op(55));
}

// The equals on the last row is lost to the shift that keeps typing within the tape.
TEST(KeypadAtTheBottom, EqualsOnTheLastRowOnlyShiftsTheTape)
{
    Pad pad(french());
    fillTape(pad.tape);
    pad.focusAtEnd(CellId::Nombre(LastRow));
    const QString before = rows(pad.tape, 3, LastRow);
    pad.keypad.ImgEgale_Click();
    EXPECT_EQ(rows(pad.tape, 0, LastRow - 3), before);
    EXPECT_EQ(rows(pad.tape, LastRow - 2, LastRow), u"|;|;|"_s);
    expectFocusOnNombre(pad.tape, LastRow - 3);
}

// Every row down to the current one holds the figure 1, so the result is the number of
// figures above the conversion row times the rate. From rows 95, 96 and 99 the tape moves
// up none, one and two times first.
TEST(KeypadAtTheBottom, CurrencyConvertsWithinTheTape)
{
    const struct {
        int row, conversion;
        const char16_t* result;
    } cases[] = {{95, 96, u"=|629,72"}, {96, 94, u"=|616,60"}, {99, 94, u"=|616,60"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Pad pad(french());
        fillOnes(pad.tape, c.row);
        pad.focusAtEnd(CellId::Nombre(c.row));
        pad.keypad.ImgMonnaie_Click(1);
        EXPECT_EQ(rows(pad.tape, c.conversion, LastRow),
                  u"*|6,55957;"_s + QString::fromUtf16(c.result) +
                      u";|"_s.repeated(LastRow - c.conversion - 1));
        expectFocusOnNombre(pad.tape, c.conversion + 2);
    }
}

} // namespace
} // namespace talco
