// Undo and redo: what one step is, where the focus goes back to, and how far back.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

using namespace talco;
using namespace talco::tapetest;
using namespace Qt::StringLiterals;

namespace {

void expectPlace(const TapeModel& tape, CellId cell, int caret)
{
    ASSERT_EQ(tape.focusedCell(), cell);
    EXPECT_EQ(tape.entry().CurrentRow, cell.row);
    EXPECT_EQ(tape.cell(cell).caret, caret);
    EXPECT_EQ(tape.cell(cell).selLength, 0);
}

class History : public ::testing::Test {
protected:
    TapeModel tape{DefaultSettings, french()};

    void SetUp() override { tape.setFocus(CellId::Nombre(0)); }
};

TEST_F(History, EachActionIsOneStepThatComesBackWithItsFocusAndCaret)
{
    // Four steps: "12.5" typed in one cell, "+", "8", and "=" with its reformatting.
    QStringList states{tapeRows(tape)};
    for (std::u16string_view keys : {u"12.5", u"+", u"8", u"="}) {
        typeKeys(tape, keys);
        states << tapeRows(tape);
    }
    ASSERT_EQ(tapeRows(tape, 0, 3), u"|12,50;+|8,00;=|20,50;|"_s);
    ASSERT_EQ(tape.history().undoCount(), 4u);

    // Where each step was made, as row and caret: undo puts the focus and caret back there.
    const int before[][2] = {{0, 0}, {0, 4}, {1, 0}, {1, 1}};
    for (int step = 3; step >= 0; --step) {
        SCOPED_TRACE(step);
        ASSERT_TRUE(tape.undo());
        EXPECT_EQ(tapeRows(tape), states[step]);
        expectPlace(tape, CellId::Nombre(before[step][0]), before[step][1]);
    }
    EXPECT_FALSE(tape.Nombre(2).bold) << "the result row is gone, and so is its look";
    EXPECT_FALSE(tape.undo());

    for (int step = 1; step <= 4; ++step) {
        ASSERT_TRUE(tape.redo());
        EXPECT_EQ(tapeRows(tape), states[step]);
    }
    EXPECT_FALSE(tape.redo());
    expectPlace(tape, CellId::Nombre(3), 0);
    EXPECT_TRUE(tape.Nombre(2).bold);
    EXPECT_EQ(tape.Nombre(2).colour, ResultColour);
}

// Keys typed in one cell, and the field's own edits there, are one step; moving the focus
// or an undo ends it.
TEST_F(History, TypingStepsEndWhenTheFocusMovesOrAfterAnUndo)
{
    load(tape, {{u"", u""}, {u"=", u""}});
    tape.forgetHistory();
    typeKeys(tape, u"1");
    tape.focusIn(CellId::Nombre(5));
    typeKeys(tape, u"2");
    tape.focusIn(CellId::Nombre(0));
    const long passes = tape.recalcStats().passes;
    tape.editField(CellId::Nombre(0), u"1"_s, 1, 0); // End: the caret only
    EXPECT_EQ(tape.recalcStats().passes, passes) << "the same text runs nothing";
    typeKeys(tape, u"3\b\b9");
    ASSERT_EQ(tapeRows(tape, 0, 1), u"|9;=|9,00"_s);
    tape.editField(CellId::Nombre(0), u"95"_s, 2, 0);
    EXPECT_EQ(tapeRows(tape, 0, 1), u"|95;=|95,00"_s) << "a new text is worked out";
    EXPECT_EQ(tape.history().undoCount(), 3u);

    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tapeRows(tape, 0, 1), u"|1;=|1,00"_s);
    typeKeys(tape, u"4"); // after an undo, typing starts its own step
    EXPECT_FALSE(tape.history().canRedo()) << "a new change drops what could have been redone";
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.Nombre(0).text, u"1"_s);
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.Nombre(5).text, QString());
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.Nombre(0).text, QString());
    EXPECT_FALSE(tape.undo());
}

TEST_F(History, GoesBackThroughMoreThan200StepsAndTheShiftsToTheStart)
{
    load(tape, {{u"", u"5"}, {u"+", u"6"}, {u"=", u""}});
    tape.Recalculate(true);
    tape.forgetHistory();
    tape.focusIn(CellId::Nombre(3));
    const QString start = tapeRows(tape);

    // 130 figures and operators: 260 steps, the tape shifting up near the bottom.
    const long passes = tape.recalcStats().passes;
    for (int i = 0; i < 130; ++i)
        typeKeys(tape, i % 10 == 9 ? u"7=" : u"7+");
    // Each shift rewrites the whole tape as one change: at most two passes a key.
    EXPECT_LE(tape.recalcStats().passes - passes, 2 * 260);
    ASSERT_GE(tape.history().undoCount(), 200u);
    const QString end = tapeRows(tape);
    ASSERT_NE(tape.Op(0).text, QString()) << "the tape has shifted";

    while (tape.undo()) {
    }
    EXPECT_EQ(tapeRows(tape), start);
    while (tape.redo()) {
    }
    EXPECT_EQ(tapeRows(tape), end);
}

} // namespace
