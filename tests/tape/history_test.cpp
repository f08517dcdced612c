// Undo and redo: what one step is, where the focus goes back to, and how far back.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <array>

using namespace talco;
using namespace talco::tapetest;

namespace {

using Texts = std::array<QString, 2 * TapeRowCount>;

Texts texts(const TapeModel& tape)
{
    Texts t;
    for (int i = 0; i < TapeRowCount; ++i) {
        t[2 * i] = tape.Op(i).text;
        t[2 * i + 1] = tape.Nombre(i).text;
    }
    return t;
}

void expectPlace(const TapeModel& tape, CellId cell, int caret, int selLength)
{
    ASSERT_EQ(tape.focusedCell(), cell);
    EXPECT_EQ(tape.entry().CurrentRow, cell.row);
    EXPECT_EQ(tape.cell(cell).caret, caret);
    EXPECT_EQ(tape.cell(cell).selLength, selLength);
}

class History : public ::testing::Test {
protected:
    TapeModel tape{DefaultSettings, french()};

    void SetUp() override { tape.setFocus(CellId::Nombre(0)); }
};

TEST_F(History, EachActionIsOneStepThatComesBackWithItsFocusAndCaret)
{
    // Four steps: "12.5" typed in one cell, "+", "8", and "=" with its reformatting.
    std::vector<Texts> states{texts(tape)};
    for (std::u16string_view keys : {u"12.5", u"+", u"8", u"="}) {
        typeKeys(tape, keys);
        states.push_back(texts(tape));
    }
    ASSERT_EQ(tape.Nombre(0).text, QStringLiteral("12,50"));
    ASSERT_EQ(tape.history().undoCount(), 4u);

    struct Place {
        CellId cell;
        int caret;
    };
    // Where each step was made: undo puts the focus and caret back there.
    const Place before[] = {{CellId::Nombre(0), 0},
                            {CellId::Nombre(0), 4},
                            {CellId::Nombre(1), 0},
                            {CellId::Nombre(1), 1}};
    for (int step = 3; step >= 0; --step) {
        SCOPED_TRACE(step);
        ASSERT_TRUE(tape.undo());
        EXPECT_EQ(texts(tape), states[std::size_t(step)]);
        expectPlace(tape, before[step].cell, before[step].caret, 0);
    }
    EXPECT_FALSE(tape.Nombre(2).bold) << "the result row is gone, and so is its look";
    EXPECT_FALSE(tape.undo());

    for (std::size_t step = 1; step <= 4; ++step) {
        ASSERT_TRUE(tape.redo());
        EXPECT_EQ(texts(tape), states[step]);
    }
    EXPECT_FALSE(tape.redo());
    expectPlace(tape, CellId::Nombre(3), 0, 0);
    EXPECT_TRUE(tape.Nombre(2).bold);
    EXPECT_EQ(tape.Nombre(2).colour, ResultColour);
}

TEST_F(History, TypingStepsEndWhenTheFocusMovesOrAfterAnUndo)
{
    typeKeys(tape, u"1");
    tape.focusIn(CellId::Nombre(5));
    typeKeys(tape, u"2");
    tape.focusIn(CellId::Nombre(0));
    tape.editField(CellId::Nombre(0), QStringLiteral("1"), 1, 0); // End: the caret only
    typeKeys(tape, u"3");
    typeKeys(tape, u"\b\b9"); // still the same cell: one step with the "3"
    ASSERT_EQ(tape.Nombre(0).text, QStringLiteral("9"));
    EXPECT_EQ(tape.history().undoCount(), 3u);

    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("1"));
    typeKeys(tape, u"4"); // after an undo, typing starts its own step
    EXPECT_FALSE(tape.history().canRedo()) << "a new change drops what could have been redone";
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("1"));
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
    const Texts start = texts(tape);

    // 130 figures and operators: 260 steps, the tape shifting up near the bottom.
    for (int i = 0; i < 130; ++i)
        typeKeys(tape, i % 10 == 9 ? u"7=" : u"7+");
    ASSERT_GE(tape.history().undoCount(), 200u);
    const Texts end = texts(tape);
    ASSERT_NE(tape.Op(0).text, QString()) << "the tape has shifted";

    while (tape.undo()) {
    }
    EXPECT_EQ(texts(tape), start);
    while (tape.redo()) {
    }
    EXPECT_EQ(texts(tape), end);
}

TEST_F(History, ReplayedTextsAreNotRecorded)
{
    load(tape, {{u"", u"1"}});
    typeKeys(tape, u"+2=");
    const std::size_t steps = tape.history().undoCount();
    ASSERT_TRUE(tape.undo());
    ASSERT_TRUE(tape.redo());
    EXPECT_EQ(tape.history().undoCount(), steps);
    EXPECT_EQ(tape.history().redoCount(), 0u);
}

} // namespace
