// The on-screen keypad's actions on the tape, through Keypad alone (no widgets).

#include "keypad/keypad.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>

namespace talco {
namespace {

using namespace tapetest;
using namespace Qt::StringLiterals;

// A tape and its keypad under the given regional settings.
struct Pad {
    explicit Pad(const QLocale& locale) : tape(DefaultSettings, locale), keypad(tape) {}

    // Clicks the keys named by their pictures, so that each picture is checked to act as
    // it shows: "op0" is the plus key, "monnaie0" francs to euros.
    void click(const QString& bases)
    {
        for (const QString& base : bases.split(u' ')) {
            const auto key = std::find_if(Keys.begin(), Keys.end(),
                                          [&](const KeyDef& k) { return base == k.base; });
            ASSERT_NE(key, Keys.end()) << base.toStdString();
            keypad.click(*key);
        }
    }

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

TEST(Keypad, KeysActOnTheCurrentRowAtTheCaret)
{
    struct Case {
        const char16_t* keys;
        QString tape; // rows 0 to 4 afterwards, from "100" in row 0
        int focusRow, caret = 3, selection = 0;
        bool english = false;
    };
    // Digits and points replace the selection, and leave the caret after them; a second
    // decimal point goes in all the same.
    const Case cases[] = {
        {u"ch9 point point", u"|19,,0;|;|;|;|"_s, 0, 1, 1},
        {u"ch0 ch1 ch2 ch3 ch4 ch5 ch6 ch7 ch8 ch9", u"|1000123456789;|;|;|;|"_s, 0},
        {u"op0 ch5 op1 ch2 op2 ch3 op3", u"|100;+|5;-|2;*|3;/|"_s, 4},
        {u"egale", u"|100,00;=|100,00;|;|;|"_s, 2},
        {u"monnaie0", u"|100,00;/|6,55957;=|15,24;|;|"_s, 3},
        {u"monnaie1", u"|100.00;*|6.55957;=|655.96;|;|"_s, 3, 3, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.keys).toStdString());
        Pad pad(c.english ? english() : french());
        pad.tape.setText(CellId::Nombre(0), u"100"_s);
        pad.tape.focusIn(CellId::Nombre(0));
        pad.tape.setCaret(CellId::Nombre(0), c.caret, c.selection);
        pad.tape.showHints();
        pad.click(QString::fromUtf16(c.keys));
        EXPECT_EQ(rows(pad.tape, 0, 4), c.tape);
        expectFocusOnNombre(pad.tape, c.focusRow);
        EXPECT_FALSE(pad.tape.hintsVisible());
    }
}

TEST(Keypad, InAnOperatorCellDigitsGoToTheFigureAndOperatorsReplaceTheOperator)
{
    Pad pad(french());
    load(pad.tape, {{u"", u"10"}, {u"+", u"5"}});
    pad.tape.Recalculate(false);
    pad.tape.focusIn(CellId::Op(1));
    pad.tape.setCaret(CellId::Nombre(1), 1, 0);
    pad.tape.showHints();

    pad.click(u"op1"_s);
    EXPECT_EQ(rows(pad.tape, 0, 2), u"|10;-|5;|"_s);
    EXPECT_TRUE(pad.tape.hintsVisible()) << "an operator in its own cell leaves the hints";

    pad.click(u"ch3"_s);
    EXPECT_EQ(rows(pad.tape, 0, 2), u"|10;-|53;|"_s);
    EXPECT_EQ(pad.tape.focusedCell(), CellId::Op(1));
    EXPECT_FALSE(pad.tape.hintsVisible());

    pad.click(u"egale"_s);
    EXPECT_EQ(rows(pad.tape, 0, 3), u"|10,00;-|53,00;=|-43,00;|"_s);
    expectFocusOnNombre(pad.tape, 3);
}

TEST(Keypad, ClearEmptiesTheTapeAndReturnsToTheTop)
{
    Pad pad(french());
    fillTape(pad.tape); // row 6 a result
    pad.tape.setNote(59, u"last"_s);
    pad.tape.focusIn(CellId::Op(5));
    const QString before = rows(pad.tape, 0, LastRow);

    pad.keypad.ImgC_Click();
    EXPECT_EQ(rows(pad.tape, 0, LastRow) + pad.tape.note(59),
              QStringList(TapeRowCount, u"|"_s).join(u';'));
    EXPECT_EQ(pad.tape.Nombre(6).colour, FigureColour);
    expectFocusOnNombre(pad.tape, 0);

    // One undo brings the whole tape back, notes included.
    ASSERT_TRUE(pad.tape.undo());
    EXPECT_EQ(rows(pad.tape, 0, LastRow) + pad.tape.note(59), before + u"last"_s);
}

// Every row down to the current one holds the figure 1. A conversion needs two rows
// more: from rows 95 and 99 the tape moves up none and two times first, so that
// its result is the number of figures above it times the rate.
TEST(Keypad, ConversionAtTheBottomShiftsTheTapeUpFirst)
{
    const struct {
        int row;
        const char16_t* rows; // 94 to the last
        int focusRow;
    } cases[] = {
        {95, u"+|1,00;+|1,00;*|6,55957;=|629,72;|;|", 98},
        {99, u"*|6,55957;=|616,60;|;|;|;|", 96},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Pad pad(french());
        std::vector<RowText> ones(c.row + 1, {u"+", u"1"});
        ones[0].op = u"";
        load(pad.tape, ones);
        pad.tape.Recalculate(false);
        pad.tape.focusIn(CellId::Nombre(c.row));
        pad.tape.setCaret(CellId::Nombre(c.row), 1, 0);
        pad.click(u"monnaie1"_s);
        EXPECT_EQ(rows(pad.tape, 94, LastRow), QString::fromUtf16(c.rows));
        expectFocusOnNombre(pad.tape, c.focusRow);
    }
}

} // namespace
} // namespace talco
