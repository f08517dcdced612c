// The main window's layout: the placement in twips for any height, the parts on
// screen in pixels, the minimum height and the bottom border drag.

#include "app/layout.h"
#include "app/windowfixture.h"

#include "divers/picture.h"
#include "keypad/keypadpanel.h"
#include "tape/tapemodel.h"

#include <QCursor>
#include <QLabel>
#include <QScrollBar>

#include <array>
#include <utility>
#include <vector>

namespace talco {
inline void PrintTo(const TwipRect& r, std::ostream* os)
{
    *os << r.left << ", " << r.top << ", " << r.width << " x " << r.height;
}
} // namespace talco

using namespace talco;
using namespace talco::testing;

namespace {

constexpr int W = 2850;

// The layout of a 2850-twip-wide window of height H, as designed.
MainLayout designed(int H)
{
    MainLayout l;
    l.ImgBordHaut = {10, 0, 2820, 405};
    l.LabFondEcran = {10, 405, 2820, H - 3195};
    l.ScrollV = {2565, 405, 255, H - 3195};
    l.MSFlexGrid1 = {2565, 405, 260, H - 3195};
    l.Ecran = {120, 505, 2350, H - 3495};
    l.Imprimer = {2270, H - 3050, 300, 250};
    l.Ouvrir = {200, H - 3050, 300, 250};
    l.Enregistrer = {600, H - 3050, 300, 250};
    l.ImgClavier = {10, H - 2790, 2820, 2700};
    l.FrameClavier = {200, H - 2540, 2415, 1935};
    l.LabOptions = {0, H - 360, 735, 255};
    l.LabAbout = {840, H - 360, 735, 255};
    l.LabAide = {1560, H - 360, 615, 255};
    l.ImgBordBas = {10, H - 90, 2820, 90};
    return l;
}

// Twips to pixels: nearest whole pixel, halves to even.
int px(int twips)
{
    const int whole = twips / 15;
    const int rest = twips % 15;
    return 2 * rest > 15 || (2 * rest == 15 && whole % 2 != 0) ? whole + 1 : whole;
}

QRect pixels(const TwipRect& r)
{
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

using Part = std::pair<const char*, TwipRect MainLayout::*>;
const std::array<Part, 14> Parts{{
    {"ImgBordHaut", &MainLayout::ImgBordHaut},
    {"LabFondEcran", &MainLayout::LabFondEcran},
    {"ScrollV", &MainLayout::ScrollV},
    {"MSFlexGrid1", &MainLayout::MSFlexGrid1},
    {"Ecran", &MainLayout::Ecran},
    {"Imprimer", &MainLayout::Imprimer},
    {"Ouvrir", &MainLayout::Ouvrir},
    {"Enregistrer", &MainLayout::Enregistrer},
    {"ImgClavier", &MainLayout::ImgClavier},
    {"FrameClavier", &MainLayout::FrameClavier},
    {"LabOptions", &MainLayout::LabOptions},
    {"LabAbout", &MainLayout::LabAbout},
    {"LabAide", &MainLayout::LabAide},
    {"ImgBordBas", &MainLayout::ImgBordBas},
}};

// ---- the placement in twips ------------------------------------------------------------

// The rows shown for each tape area height are checked with the tape's row window.
class Placement : public ::testing::TestWithParam<int> {};

TEST_P(Placement, EveryPart)
{
    const MainLayout layout = ComputeLayout(W, GetParam(), 2700);
    const MainLayout expected = designed(GetParam());
    for (const auto& [name, part] : Parts)
        EXPECT_EQ(layout.*part, expected.*part) << name;
}

INSTANTIATE_TEST_SUITE_P(Layout, Placement, ::testing::Values(5000, 7035, 7120, 7370),
                         [](const auto& info) { return "H" + std::to_string(info.param); });

// The tape background reads the keypad's height before this layout sets it.
TEST(Layout, FirstRunUsesTheDesignedKeypadHeight)
{
    const MainLayout first = ComputeLayout(W, 7035, ClavierDesignedHeight);
    EXPECT_EQ(first.LabFondEcran.height, 7035 - 405 - 2715 - 90);
    EXPECT_EQ(first.ImgClavier.height, 2700);
    EXPECT_EQ(ComputeLayout(W, 7035, first.ImgClavier.height).LabFondEcran.height, 3840);
}

// ---- the window on screen ---------------------------------------------------------------

class WindowLayout : public WindowTest {
protected:
    // Every part in pixels, the rows shown and the scroll range for a height H.
    void expectLaidOut(int H, int visibleRows, int scrollMax)
    {
        ASSERT_EQ(window->height(), px(H));
        const MainLayout expected = designed(H);
        const frmMain::Widgets& w = window->widgets();
        const std::pair<QWidget*, TwipRect> parts[] = {
            {w.ImgBordHaut, expected.ImgBordHaut},   {w.LabFondEcran, expected.LabFondEcran},
            {w.ScrollV, expected.ScrollV},           {w.Ecran, expected.Ecran},
            {w.Imprimer, expected.Imprimer},         {w.Ouvrir, expected.Ouvrir},
            {w.Enregistrer, expected.Enregistrer},   {w.ImgClavier, expected.ImgClavier},
            {w.FrameClavier, expected.FrameClavier}, {w.LabOptions, expected.LabOptions},
            {w.LabAbout, expected.LabAbout},         {w.LabAide, expected.LabAide},
            {w.ImgBordBas, expected.ImgBordBas}};
        for (const auto& [widget, twips] : parts)
            EXPECT_EQ(widget->geometry(), pixels(twips));

        EXPECT_EQ(window->tape().VisibleRows(), visibleRows);
        EXPECT_EQ(window->widgets().ScrollV->maximum(), scrollMax);
        int shown = 0;
        for (int i = 0; i < TapeRowCount; ++i)
            shown += nombre(i)->isVisible();
        EXPECT_EQ(shown, visibleRows);
    }

    // The bottom border follows the pointer, placed this many pixels below the window's top.
    void dragTo(int below)
    {
        QCursor::setPos(window->x() + 50, window->y() + below);
        QTest::mouseMove(window->widgets().ImgBordBas, QPoint(50, 2));
        QCoreApplication::processEvents();
    }
};

TEST_F(WindowLayout, StartTallerAndTooLow)
{
    start();
    {
        SCOPED_TRACE("start");
        expectLaidOut(7035, 14, 86);
    }
    window->resize(window->width(), 500);
    QCoreApplication::processEvents();
    {
        SCOPED_TRACE("taller");
        expectLaidOut(7500, 16, 84);
    }
    // 4000 twips is below the minimum; the least whole pixel height above 5000 twips is 334.
    window->resize(window->width(), px(4000));
    QCoreApplication::processEvents();
    expectLaidOut(5010, 6, 94);
}

TEST_F(WindowLayout, BottomBorderDragFollowsThePointerAboveTheMinimum)
{
    start();
    ASSERT_TRUE(hintsShown());
    Picture* border = window->widgets().ImgBordBas;
    QTest::mousePress(border, Qt::LeftButton, Qt::NoModifier, QPoint(50, 2));
    EXPECT_TRUE(hintsHidden()); // even before anything moves

    const std::pair<int, int> moves[] = {
        {400, 400},             // 6000 twips
        {333, 400},             // 4995 twips: ignored, the window stays
        {200, 400}, {334, 334}, // 5010 twips, just above the line
        {469, 469},
    };
    for (const auto& [below, height] : moves) {
        dragTo(below);
        EXPECT_EQ(window->height(), height) << "pointer " << below << " px below the top";
    }
    EXPECT_EQ(window->width(), 190);
    EXPECT_EQ(window->pos(), QPoint(100, 100));
    expectLaidOut(7035, 14, 86);

    QTest::mouseRelease(border, Qt::LeftButton, Qt::NoModifier, QPoint(50, 2));
    dragTo(400);
    EXPECT_EQ(window->height(), 469);
}

} // namespace
