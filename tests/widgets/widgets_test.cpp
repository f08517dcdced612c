// The window's small widgets: the maker's label, whose text shrinks to fit and fits again
// after each change; placing a window.

#include "widgets/fittedlabel.h"
#include "widgets/placement.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>

namespace talco {
namespace {

TEST(FittedLabel, ShrinksToItsWidthAndFitsAgainAfterEachChange)
{
    FittedLabel label(QStringLiteral("www.korvelsoft.com"));
    QFont f = label.font();
    f.setPointSizeF(12);
    label.setFont(f);
    label.resize(60, 20);
    const QFont fitted = label.fittedFont();
    EXPECT_LT(fitted.pointSizeF(), 12);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(label.text()), 60);
    QFont larger = fitted;
    larger.setPointSizeF(fitted.pointSizeF() + 0.5);
    EXPECT_GT(QFontMetricsF(larger).horizontalAdvance(label.text()), 60);
    // What is drawn is the fitted text, as a plain label draws it in the fitted font.
    QLabel plain(label.text());
    plain.setFont(fitted);
    plain.resize(label.size());
    EXPECT_EQ(label.grab().toImage(), plain.grab().toImage());

    // Each change of the text, the width or the font fits it again: the designed size when
    // there is room, and no smaller than 4 points however little room there is.
    label.setText(QStringLiteral("www"));
    EXPECT_EQ(label.fittedFont().pointSizeF(), 12);
    label.resize(400, 20);
    EXPECT_EQ(label.fittedFont().pointSizeF(), 12);
    f.setPointSizeF(20);
    label.setFont(f);
    EXPECT_EQ(label.fittedFont().pointSizeF(), 20);
    label.resize(2, 20);
    EXPECT_EQ(label.fittedFont().pointSizeF(), 4.0);
}

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
