// The window of shown rows: arrangement, clamping, the scroll proxy, the layout's
// row count and bringing the typing row into view.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace talco;
using namespace talco::tapetest;

namespace {

// Exactly the rows first..first+count-1 are shown, stacked from the top of the area.
void expectWindow(const TapeModel& tape, int first, int count)
{
    for (int i = 0; i < TapeRowCount; ++i) {
        SCOPED_TRACE(i);
        const bool shown = i >= first && i < first + count;
        EXPECT_EQ(tape.Nombre(i).visible, shown);
        EXPECT_EQ(tape.Op(i).visible, shown);
        if (shown) {
            EXPECT_EQ(tape.Nombre(i).top, 250 * (i - first));
            EXPECT_EQ(tape.Op(i).top, 250 * (i - first) - 50);
            EXPECT_EQ(tape.Nombre(i).width, 1800);
            EXPECT_TRUE(tape.Op(i).centred);
        }
    }
}

TEST(RowWindow, FirstRowPastLastWindowIsClamped)
{
    TapeModel tape(DefaultSettings, english());
    tape.setVisibleRows(20);
    tape.ArrangeRows(85);
    expectWindow(tape, 79, 20);
}

TEST(RowWindow, ScrollMaximumShowsSameRowsAsOneBelowAndKeepsItsValue)
{
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(3540);
    ASSERT_EQ(tape.scrollMax(), 86);
    tape.userScroll(86);
    EXPECT_EQ(tape.scrollValue(), 86);
    EXPECT_EQ(tape.ProxyRow(), 1); // the proxy follows only the program's scrolling
    expectWindow(tape, 85, 14);
    tape.userScroll(85);
    expectWindow(tape, 85, 14);
}

TEST(RowWindow, LastRowNeverShown)
{
    for (int rows : {1, 6, 14, 20, 50}) {
        TapeModel tape(DefaultSettings, english());
        tape.setVisibleRows(rows);
        for (int pos = 0; pos <= tape.scrollMax() + 2; ++pos) {
            SCOPED_TRACE(testing::Message() << rows << " rows at " << pos);
            tape.userScroll(pos);
            EXPECT_LE(tape.scrollValue(), tape.scrollMax());
            EXPECT_FALSE(tape.Nombre(LastRow).visible);
            EXPECT_FALSE(tape.Op(LastRow).visible);
            int shown = 0;
            for (int i = 0; i < TapeRowCount; ++i)
                shown += tape.Nombre(i).visible ? 1 : 0;
            EXPECT_EQ(shown, rows);
        }
    }
}

// ---- the scroll proxy -------------------------------------------------------------

struct ProxyCase {
    const char* name;
    int proxyRow;
    int position;
};

class ScrollProxy : public ::testing::TestWithParam<ProxyCase> {};

TEST_P(ScrollProxy, SetsScrollPosition)
{
    const ProxyCase& c = GetParam();
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(3540); // 14 rows, maximum 86
    tape.userScrollProxy(c.proxyRow);
    EXPECT_EQ(tape.scrollValue(), c.position);
    expectWindow(tape, std::min(c.position, LastRow - 14), 14);
}

const ProxyCase proxyCases[] = {
    {"FirstRow", 1, 0},         {"Row11", 11, 10},          {"JustBelowMaximum", 86, 85},
    {"OnePastMaximum", 87, 86}, {"FarPastMaximum", 99, 86},
};

INSTANTIATE_TEST_SUITE_P(RowWindow, ScrollProxy, ::testing::ValuesIn(proxyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- layout of the tape area -------------------------------------------------------

struct LayoutCase {
    const char* name;
    int height;
    int rows;
    int maximum;
};

class TapeAreaLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TapeAreaLayout, RowsAndRangeRoundHalfToEven)
{
    const LayoutCase& c = GetParam();
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(c.height);
    EXPECT_EQ(tape.VisibleRows(), c.rows);
    EXPECT_EQ(tape.scrollMax(), c.maximum);
    expectWindow(tape, 0, c.rows);
}

const LayoutCase layoutCases[] = {
    {"StartHeight", 3540, 14, 86},       {"MinimumHeight", 1505, 6, 94},
    {"HalfRoundsDown", 3625, 14, 86},    {"HalfRoundsUp", 3875, 16, 84},
    {"TwentyRowsFromTop", 5000, 20, 80},
};

INSTANTIATE_TEST_SUITE_P(RowWindow, TapeAreaLayout, ::testing::ValuesIn(layoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TapeAreaLayout, KeepsScrollPositionWithinNewRange)
{
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(1505);
    tape.userScroll(50);
    tape.layoutTapeArea(3540);
    EXPECT_EQ(tape.scrollValue(), 50);
    expectWindow(tape, 50, 14);
    tape.userScroll(90);
    tape.layoutTapeArea(5000);
    EXPECT_EQ(tape.scrollValue(), 80);
    expectWindow(tape, 79, 20);
}

// ---- typing at the bottom of the window ---------------------------------------------

struct BottomCase {
    const char* name;
    std::u16string_view keys; // typed in the last shown row, 13
    int position;             // scroll position after
    int focusRow;
};

class TypingAtBottom : public ::testing::TestWithParam<BottomCase> {};

TEST_P(TypingAtBottom, ScrollsByLeastAmount)
{
    const BottomCase& c = GetParam();
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(3540);
    load(tape, {{u"", u"1"}, {u"+", u"2"}});
    for (int i = 2; i <= 13; ++i)
        tape.setText(CellId::Op(i), QStringLiteral("+"));
    tape.focusIn(CellId::Nombre(13));
    typeKeys(tape, c.keys);
    EXPECT_EQ(tape.scrollValue(), c.position);
    EXPECT_EQ(tape.ProxyRow(), c.position + 1);
    expectWindow(tape, c.position, 14);
    EXPECT_EQ(tape.entry().CurrentRow, c.focusRow);
    EXPECT_EQ(tape.focusedCell(), CellId::Nombre(c.focusRow));
    EXPECT_TRUE(tape.Nombre(c.focusRow).visible);
}

const BottomCase bottomCases[] = {
    {"Operator", u"5+", 1, 14},
    {"Equals", u"5=", 2, 15},
    {"EnterAsEquals", u"5\r", 2, 15},
    {"DigitOnly", u"5", 0, 13},
};

INSTANTIATE_TEST_SUITE_P(RowWindow, TypingAtBottom, ::testing::ValuesIn(bottomCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TypingAtBottom, EnterMovingDownScrollsOneRow)
{
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(3540);
    load(tape, {{u"", u"1"}});
    tape.setText(CellId::Op(14), QStringLiteral("+"));
    tape.focusIn(CellId::Nombre(13));
    typeKeys(tape, u"\r");
    EXPECT_EQ(tape.scrollValue(), 1);
    EXPECT_EQ(tape.ProxyRow(), 2);
    EXPECT_EQ(tape.focusedCell(), CellId::Nombre(14));
}

} // namespace
