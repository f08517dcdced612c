// The window of shown rows: the layout's row count, the scroll bar and its proxy, and
// bringing the typing row into view.

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
        const Cell &op = tape.Op(i), &nombre = tape.Nombre(i);
        const bool shown = i >= first && i < first + count;
        ASSERT_TRUE(op.visible == shown && nombre.visible == shown) << "row " << i;
        ASSERT_TRUE(!shown || (nombre.top == 250 * (i - first) && op.top == nombre.top - 50))
            << "row " << i << " at " << nombre.top << " and " << op.top;
    }
}

TEST(RowWindow, ShowsRowsFromTheScrollPosition)
{
    // The tape area's height in twips; then the scroll bar moved there, the scroll proxy
    // moved to this row unless 0, the area given this height unless 0. Then the rows
    // shown, the scroll range's maximum, the scroll position and the proxy row. Last, keys
    // typed in the last shown row, 13, which has no operator, and where the focus goes.
    const struct {
        const char* name;
        int height, scroll, proxy, relayout, rows, maximum, position, proxyRow;
        std::u16string_view keys = {};
        int focusRow = 0;
    } cases[] = {
        // Rows and range round half to even.
        {"MinimumHeight", 1505, 0, 0, 0, 6, 94, 0, 1},
        {"HalfRoundsDown", 3625, 0, 0, 0, 14, 86, 0, 1},
        {"HalfRoundsUp", 3875, 0, 0, 0, 16, 84, 0, 1},
        // At its maximum the scroll bar shows the same rows as one position below; the
        // proxy follows only the program's scrolling.
        {"ScrollMaximum", 3540, 86, 0, 0, 14, 86, 86, 1},
        {"ProxyFirstRow", 3540, 40, 1, 0, 14, 86, 0, 1},
        {"ProxyJustBelowMaximum", 3540, 0, 86, 0, 14, 86, 85, 86},
        {"ProxyPastMaximum", 3540, 0, 99, 0, 14, 86, 86, 99},
        // A new layout keeps the scroll position within its new range.
        {"RelayoutKeepsPosition", 1505, 50, 0, 3540, 14, 86, 50, 1},
        {"RelayoutClampsPosition", 3540, 86, 0, 5000, 20, 80, 80, 1},
        // Typing at the bottom scrolls by the least amount that shows the row typed in.
        {"OperatorAtBottom", 3540, 0, 0, 0, 14, 86, 1, 2, u"5+", 14},
        {"EqualsAtBottom", 3540, 0, 0, 0, 14, 86, 2, 3, u"5=", 15},
        {"EnterAtBottom", 3540, 0, 0, 0, 14, 86, 1, 2, u"5\r", 14},
        {"DigitAtBottom", 3540, 0, 0, 0, 14, 86, 0, 1, u"5", 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TapeModel tape(DefaultSettings, english());
        tape.layoutTapeArea(c.height);
        tape.userScroll(c.scroll);
        if (c.proxy > 0)
            tape.userScrollProxy(c.proxy);
        if (c.relayout > 0)
            tape.layoutTapeArea(c.relayout);
        if (!c.keys.empty()) {
            tape.focusIn(CellId::Nombre(13));
            typeKeys(tape, c.keys);
            expectFocusOnNombre(tape, c.focusRow);
        }
        EXPECT_EQ(std::vector({tape.VisibleRows(), tape.scrollMax(), tape.scrollValue()}),
                  std::vector({c.rows, c.maximum, c.position}));
        EXPECT_EQ(tape.ProxyRow(), c.proxyRow);
        expectWindow(tape, std::min(c.position, LastRow - c.rows), c.rows);
    }
}

TEST(RowWindow, EveryPositionShowsAFullWindowWithoutTheLastRow)
{
    for (int rows : {1, 14, 50}) {
        TapeModel tape(DefaultSettings, english());
        tape.setVisibleRows(rows);
        tape.takeChanges();
        for (int pos = 0; pos <= tape.scrollMax() + 2; ++pos) {
            SCOPED_TRACE(testing::Message() << rows << " rows at " << pos);
            tape.userScroll(pos);
            EXPECT_EQ(tape.scrollValue(), std::min(pos, tape.scrollMax()));
            expectWindow(tape, std::min(pos, LastRow - rows), rows);
            // A step down moves every shown row and the one that went out of sight: the
            // view redraws each of them.
            const auto placed = std::ranges::count_if(tape.takeChanges().cells, [](const auto& e) {
                return e.what & TapeChanges::Place;
            });
            EXPECT_EQ(placed, pos >= 1 && pos <= LastRow - rows ? 2 * rows + 2 : 0);
        }
    }
}

} // namespace
