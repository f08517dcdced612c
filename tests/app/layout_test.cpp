// The main window's layout: the parts on screen in pixels, the minimum height and the
// bottom border drag.

#include "app/layout.h"
#include "app/windowfixture.h"

#include "keypad/keypadpanel.h"
#include "tape/tapemodel.h"
#include "widgets/picture.h"

#include <QCursor>
#include <QLabel>
#include <QScrollBar>

#include <utility>

using namespace talco;
using namespace talco::testing;

namespace {

// Twips to pixels: the nearest whole pixel (15 twips never split in halves).
int px(int twips)
{
    return (twips + 7) / 15;
}

QRect pixels(const TwipRect& r)
{
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

class WindowLayout : public WindowTest {
protected:
    // Every part in pixels, the rows shown and the scroll range for a height H.
    void expectLaidOut(int H, int visibleRows, int scrollMax)
    {
        SCOPED_TRACE(H);
        ASSERT_EQ(window->height(), px(H));
        // The parts of a 2850-twip-wide window of height H, as designed.
        const frmMain::Widgets& w = window->widgets();
        // Named fields, not std::pair: GCC 12 at -O2 read garbage pointers from a braced
        // array of pairs here.
        struct Part {
            QWidget* widget;
            TwipRect twips;
        };
        const Part parts[] = {{w.ImgBordHaut, {10, 0, 2820, 405}},
                              {w.LabFondEcran, {10, 405, 2820, H - 3195}},
                              {w.ScrollV, {2565, 405, 255, H - 3195}},
                              {w.Ecran, {120, 505, 2350, H - 3495}},
                              {w.Imprimer, {2270, H - 3050, 300, 250}},
                              {w.Ouvrir, {200, H - 3050, 300, 250}},
                              {w.Enregistrer, {600, H - 3050, 300, 250}},
                              {w.ImgClavier, {10, H - 2790, 2820, 2700}},
                              {w.FrameClavier, {200, H - 2540, 2415, 1935}},
                              {w.LabOptions, {0, H - 360, 735, 255}},
                              {w.LabAbout, {840, H - 360, 735, 255}},
                              {w.LabAide, {1560, H - 360, 615, 255}},
                              {w.ImgBordBas, {10, H - 90, 2820, 90}}};
        for (const auto& [widget, twips] : parts)
            EXPECT_EQ(widget->geometry(), pixels(twips)) << twips.left << ',' << twips.top;

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
    expectLaidOut(7035, 14, 86);
    window->resize(window->width(), 500);
    QCoreApplication::processEvents();
    expectLaidOut(7500, 16, 84);
    // 4000 twips is below the minimum; the least whole pixel height above 5000 twips is 334.
    window->resize(window->width(), px(4000));
    QCoreApplication::processEvents();
    expectLaidOut(5010, 6, 94);
}

TEST_F(WindowLayout, BottomBorderDragFollowsThePointerAboveTheMinimum)
{
    start();
    ASSERT_TRUE(hints(true));
    Picture* border = window->widgets().ImgBordBas;
    QTest::mousePress(border, Qt::LeftButton, Qt::NoModifier, QPoint(50, 2));
    EXPECT_TRUE(hints(false)); // even before anything moves

    const std::pair<int, int> moves[] = {
        {400, 400}, // 6000 twips
        {333, 400}, // 4995 twips: ignored, the window stays
        {334, 334}, // 5010 twips, just above the line
        {469, 469},
    };
    for (const auto& [below, height] : moves) {
        dragTo(below);
        EXPECT_EQ(window->height(), height) << "pointer " << below << " px below the top";
    }
    EXPECT_EQ(window->width(), 190);
    EXPECT_EQ(window->pos(), QPoint(100, 100));
    expectLaidOut(7035, 14, 86);

    // Released, the border no longer resizes, and takes the hover off the keys.
    QTest::mouseRelease(border, Qt::LeftButton, Qt::NoModifier, QPoint(50, 2));
    QTest::mouseMove(window->widgets().FrameClavier->key(QStringLiteral("ch7")), QPoint(3, 3));
    ASSERT_FALSE(window->widgets().FrameClavier->HoveredKey().isEmpty());
    dragTo(400);
    EXPECT_EQ(window->height(), 469);
    EXPECT_TRUE(window->widgets().FrameClavier->HoveredKey().isEmpty());
}

} // namespace
