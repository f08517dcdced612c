// Placing a window: where, how large and above what; shown only when asked.

#include "widgets/placement.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace talco {
namespace {

TEST(Placement, PlacesTopmostHiddenUntilShownWithoutTakingTheActivation)
{
    QWidget window;
    // Halves go to the even number, as the window's size in twips asks.
    PlaceTopmost(&window, 188.5, 469.5);
    EXPECT_EQ(window.geometry(), QRect(100, 100, 188, 470));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    // Nothing is on screen before its contents are there.
    EXPECT_FALSE(window.isVisible());

    ShowPlaced(&window);
    EXPECT_TRUE(window.isVisible());
    // A later show, a restore or a second opening, may activate it.
    EXPECT_FALSE(window.testAttribute(Qt::WA_ShowWithoutActivating));
}

} // namespace
} // namespace talco
