// The window of shown rows: the layout's row count, the scroll bar and its proxy, and
// bringing the typing row into view.

#include "support/qstringprint.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace talco;
using namespace talco::tapetest;

namespace {

using talco::testsupport::PrintTo;

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
        }
    }
}

// ---- layout, scroll bar and scroll proxy -------------------------------------------

struct WindowCase {
    const char* name;
    int height;   // of the tape area, in twips
    int scroll;   // then the scroll bar moved there, unless -1
    int proxy;    // then the scroll proxy moved to this row, unless 0
    int relayout; // then the tape area given this height, unless 0
    int rows;     // shown
    int maximum;  // of the scroll range
    int position; // of the scroll bar
    int proxyRow; // after
};

class RowWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(RowWindow, ShowsRowsFromScrollPosition)
{
    const WindowCase& c = GetParam();
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(c.height);
    if (c.scroll >= 0)
        tape.userScroll(c.scroll);
    if (c.proxy > 0)
        tape.userScrollProxy(c.proxy);
    if (c.relayout > 0)
        tape.layoutTapeArea(c.relayout);
    EXPECT_EQ(tape.VisibleRows(), c.rows);
    EXPECT_EQ(tape.scrollMax(), c.maximum);
    EXPECT_EQ(tape.scrollValue(), c.position);
    EXPECT_EQ(tape.ProxyRow(), c.proxyRow);
    expectWindow(tape, std::min(c.position, LastRow - c.rows), c.rows);
}

// Rows and range round half to even. At its maximum the scroll bar shows the same rows
// as one position below; the proxy follows only the program's scrolling.
const WindowCase windowCases[] = {
    {"MinimumHeight", 1505, -1, 0, 0, 6, 94, 0, 1},
    {"HalfRoundsDown", 3625, -1, 0, 0, 14, 86, 0, 1},
    {"HalfRoundsUp", 3875, -1, 0, 0, 16, 84, 0, 1},
    {"ScrollMaximum", 3540, 86, 0, 0, 14, 86, 86, 1},
    {"ProxyFirstRow", 3540, 40, 1, 0, 14, 86, 0, 1},
    {"ProxyJustBelowMaximum", 3540, -1, 86, 0, 14, 86, 85, 86},
    {"ProxyPastMaximum", 3540, -1, 99, 0, 14, 86, 86, 99},
    // A new layout keeps the scroll position within its new range.
    {"RelayoutKeepsPosition", 1505, 50, 0, 3540, 14, 86, 50, 1},
    {"RelayoutClampsPosition", 3540, 86, 0, 5000, 20, 80, 80, 1},
};

INSTANTIATE_TEST_SUITE_P(Layout, RowWindow, ::testing::ValuesIn(windowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RowWindowScroll, EveryPositionShowsAFullWindowWithoutTheLastRow)
{
    for (int rows : {1, 14, 50}) {
        TapeModel tape(DefaultSettings, english());
        tape.setVisibleRows(rows);
        for (int pos = 0; pos <= tape.scrollMax() + 2; ++pos) {
            SCOPED_TRACE(testing::Message() << rows << " rows at " << pos);
            tape.userScroll(pos);
            EXPECT_EQ(tape.scrollValue(), std::min(pos, tape.scrollMax()));
            expectWindow(tape, std::min(pos, LastRow - rows), rows);
        }
    }
}

// ---- typing at the bottom of the window ---------------------------------------------

struct BottomCase {
    const char* name;
    std::u16string_view keys; // typed in the last shown row, 13, which has no operator
    int position;             // scroll position after
    int focusRow;
};

class TypingAtBottom : public ::testing::TestWithParam<BottomCase> {};

TEST_P(TypingAtBottom, ScrollsByLeastAmount)
{
    const BottomCase& c = GetParam();
    TapeModel tape(DefaultSettings, english());
    tape.layoutTapeArea(3540);
    tape.focusIn(CellId::Nombre(13));
    typeKeys(tape, c.keys);
    EXPECT_EQ(tape.scrollValue(), c.position);
    EXPECT_EQ(tape.ProxyRow(), c.position + 1);
    expectWindow(tape, c.position, 14);
    expectFocusOnNombre(tape, c.focusRow);
}

const BottomCase bottomCases[] = {
    {"Operator", u"5+", 1, 14},
    {"Equals", u"5=", 2, 15},
    {"EnterMovesDown", u"5\r", 1, 14},
    {"DigitOnly", u"5", 0, 13},
};

INSTANTIATE_TEST_SUITE_P(RowWindow, TypingAtBottom, ::testing::ValuesIn(bottomCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
