// The main window's layout: the placement in twips for any height, the parts on
// screen in pixels, the minimum height, the bottom border drag and minimising.

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

struct HeightCase {
    int H;
    int visibleRows;
    int scrollMax;
};

class Placement : public ::testing::TestWithParam<HeightCase> {};

TEST_P(Placement, EveryPartAndTheRowWindow)
{
    const int H = GetParam().H;
    const MainLayout layout = ComputeLayout(W, H, 2700);
    const MainLayout expected = designed(H);
    for (const auto& [name, part] : Parts)
        EXPECT_EQ(layout.*part, expected.*part) << name;

    const Settings settings;
    TapeModel tape(settings, QLocale(QStringLiteral("fr_FR")));
    tape.layoutTapeArea(layout.Ecran.height);
    EXPECT_EQ(tape.VisibleRows(), GetParam().visibleRows);
    EXPECT_EQ(tape.scrollMax(), GetParam().scrollMax);
}

// 7120 and 7370 leave exactly half a row over: halves go to the even count.
INSTANTIATE_TEST_SUITE_P(Layout, Placement,
                         ::testing::Values(HeightCase{5000, 6, 94}, HeightCase{7035, 14, 86},
                                           HeightCase{7120, 14, 86}, HeightCase{7370, 16, 84}),
                         [](const auto& info) { return "H" + std::to_string(info.param.H); });

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
    struct Shown {
        const char* name;
        QWidget* widget;
    };

    std::vector<Shown> parts() const
    {
        const frmMain::Widgets& w = window->widgets();
        return {{"ImgBordHaut", w.ImgBordHaut},   {"LabFondEcran", w.LabFondEcran},
                {"ScrollV", w.ScrollV},           {"Ecran", w.Ecran},
                {"Imprimer", w.Imprimer},         {"Ouvrir", w.Ouvrir},
                {"Enregistrer", w.Enregistrer},   {"ImgClavier", w.ImgClavier},
                {"FrameClavier", w.FrameClavier}, {"LabOptions", w.LabOptions},
                {"LabAbout", w.LabAbout},         {"LabAide", w.LabAide},
                {"ImgBordBas", w.ImgBordBas}};
    }

    // Every part in pixels, the rows shown and the scroll range for a height H.
    void expectLaidOut(int H, int visibleRows, int scrollMax)
    {
        ASSERT_EQ(window->height(), px(H));
        const MainLayout expected = designed(H);
        const std::vector<TwipRect> twips{
            expected.ImgBordHaut,  expected.LabFondEcran, expected.ScrollV,     expected.Ecran,
            expected.Imprimer,     expected.Ouvrir,       expected.Enregistrer, expected.ImgClavier,
            expected.FrameClavier, expected.LabOptions,   expected.LabAbout,    expected.LabAide,
            expected.ImgBordBas};
        const auto widgets = parts();
        for (std::size_t i = 0; i < widgets.size(); ++i)
            EXPECT_EQ(widgets[i].widget->geometry(), pixels(twips[i])) << widgets[i].name;

        EXPECT_EQ(window->tape().VisibleRows(), visibleRows);
        EXPECT_EQ(window->widgets().ScrollV->maximum(), scrollMax);
        int shown = 0;
        for (int i = 0; i < TapeRowCount; ++i)
            shown += nombre(i)->isVisible();
        EXPECT_EQ(shown, visibleRows);
    }

    std::vector<QRect> geometries() const
    {
        std::vector<QRect> all{window->geometry()};
        for (const auto& [name, widget] : parts())
            all.push_back(widget->geometry());
        for (int i = 0; i < TapeRowCount; ++i)
            all.push_back(nombre(i)->isVisible() ? nombre(i)->geometry() : QRect());
        return all;
    }

    // The bottom border follows the pointer, placed this many pixels below the window's top.
    void dragTo(int below)
    {
        QCursor::setPos(window->x() + 50, window->y() + below);
        QTest::mouseMove(window->widgets().ImgBordBas, QPoint(50, 2));
        QCoreApplication::processEvents();
    }
};

TEST_F(WindowLayout, StartHeight)
{
    start();
    expectLaidOut(7035, 14, 86);
}

TEST_F(WindowLayout, TallerWindow)
{
    start();
    window->resize(window->width(), 500);
    QCoreApplication::processEvents();
    expectLaidOut(7500, 16, 84);
}

// 4000 twips is below the minimum; the least whole pixel height above 5000 twips is 334.
TEST_F(WindowLayout, TooLowEndsAtTheMinimumHeight)
{
    start();
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

TEST_F(WindowLayout, MinimiseAndRestoreLeaveEveryPartInPlace)
{
    start();
    window->resize(window->width(), 480);
    window->widgets().ScrollV->setValue(20);
    const std::vector<QRect> before = geometries();
    window->showMinimized();
    QCoreApplication::processEvents();
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(geometries(), before);
    EXPECT_EQ(window->tape().scrollValue(), 20);
}

} // namespace
