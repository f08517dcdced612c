// The main window's chrome: moving it by its pictures, which also takes the hover off
// the keys, sizing it by its bottom border, the close button, what hides the
// first-start hints, and the language flags.

#include "app/windowfixture.h"

#include "keypad/keypadpanel.h"
#include "widgets/picture.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

using namespace talco;
using namespace talco::testing;

namespace {

// A pointer move as the platform reports it, with the buttons held.
void pointerMove(QWidget* w, Qt::MouseButtons buttons = Qt::NoButton)
{
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// Puts the pointer at a screen point; false when the platform cannot.
bool placePointer(const QPoint& at)
{
    QCursor::setPos(at);
    QCoreApplication::processEvents();
    return QCursor::pos() == at;
}

using ChromeTest = WindowTest;
using W = frmMain::Widgets;

// The keypad background shares the title bar's handlers; the maker's label reaches them
// through its own filter, and opens the site on a click but not at the end of a move.
TEST_F(ChromeTest, DragKeepsTheGrabbedPointUnderThePointer)
{
    int opened = 0;
    openSite = [&opened] { ++opened; };
    start();
    QTest::mouseClick(window->widgets().SiteKorvelsoft, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    for (QWidget* area : {static_cast<QWidget*>(window->widgets().ImgBordHaut),
                          static_cast<QWidget*>(window->widgets().SiteKorvelsoft)}) {
        SCOPED_TRACE(area->metaObject()->className());
        const QPoint origin = window->pos();
        const QPoint grab = area->mapToGlobal(area->rect().center());
        if (!placePointer(grab))
            GTEST_SKIP() << "this platform does not let a program place the pointer";

        QTest::mousePress(area, Qt::LeftButton);
        ASSERT_TRUE(placePointer(grab + QPoint(50, 30)));
        pointerMove(area, Qt::LeftButton);
        EXPECT_EQ(window->pos(), origin + QPoint(50, 30));

        // After the release the pointer moves on alone, and takes the hover off the keys.
        QTest::mouseRelease(area, Qt::LeftButton);
        Picture* seven = window->widgets().FrameClavier->key(u"ch7"_s);
        pointerMove(seven);
        ASSERT_EQ(window->widgets().FrameClavier->HoveredKey(), u"ch7"_s);
        ASSERT_TRUE(placePointer(grab + QPoint(90, 60)));
        pointerMove(area);
        EXPECT_EQ(window->pos(), origin + QPoint(50, 30));
        EXPECT_TRUE(window->widgets().FrameClavier->HoveredKey().isEmpty());
    }
    EXPECT_EQ(opened, 1);
}

// Each height lays the window out again: the parts stacked from its top edge to its
// bottom edge, as many rows as fit.
void expectLaidOut(frmMain& w, int height, int visibleRows)
{
    SCOPED_TRACE(height);
    ASSERT_EQ(w.height(), height);
    const W& p = w.widgets();
    int top = 0;
    for (QWidget* part : std::initializer_list<QWidget*>{p.ImgBordHaut, p.LabFondEcran,
                                                         p.ImgClavier, p.ImgBordBas}) {
        EXPECT_EQ(part->y(), top) << part->y();
        top = part->geometry().bottom() + 1;
    }
    EXPECT_EQ(top, height);
    EXPECT_EQ(w.tape().VisibleRows(), visibleRows);
    int shown = 0;
    for (int i = 0; i < TapeRowCount; ++i)
        shown += w.view().cell(CellId::Nombre(i))->isVisible();
    EXPECT_EQ(shown, visibleRows);
}

TEST_F(ChromeTest, BottomBorderDragFollowsThePointerAboveTheMinimum)
{
    start();
    Picture* border = window->widgets().ImgBordBas;
    // The bottom border follows the pointer, placed this many pixels below the window's top.
    const auto dragTo = [this, border](int below) {
        QCursor::setPos(window->x() + 50, window->y() + below);
        QTest::mouseMove(border, QPoint(50, 2));
        QCoreApplication::processEvents();
    };
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
        if (height == 334)
            expectLaidOut(*window, 334, 6);
    }
    EXPECT_EQ(window->width(), 190);
    EXPECT_EQ(window->pos(), QPoint(100, 100));
    expectLaidOut(*window, 469, 14);

    // Released, the border no longer resizes, and takes the hover off the keys.
    QTest::mouseRelease(border, Qt::LeftButton, Qt::NoModifier, QPoint(50, 2));
    QTest::mouseMove(window->widgets().FrameClavier->key(u"ch7"_s), QPoint(3, 3));
    ASSERT_FALSE(window->widgets().FrameClavier->HoveredKey().isEmpty());
    dragTo(400);
    EXPECT_EQ(window->height(), 469);
    EXPECT_TRUE(window->widgets().FrameClavier->HoveredKey().isEmpty());
}

// Each of these hides both hints; checked before the event loop runs again, as printing
// goes on from there.
TEST_F(ChromeTest, FirstStartHintsHiddenByAClickAKeyOrPrinting)
{
    start();
    const std::pair<const char*, std::function<void()>> acts[] = {
        {"click in a cell", [this] { QTest::mouseClick(op(1), Qt::LeftButton); }},
        {"tape area", [this] { QTest::mouseClick(window->widgets().Ecran, Qt::LeftButton); }},
        {"key in a figure", [this] { QTest::keyClick(nombre(4), '5'); }},
        {"print button", [this] { QTest::mouseClick(window->widgets().Imprimer, Qt::LeftButton); }},
    };
    for (const auto& [what, act] : acts) {
        SCOPED_TRACE(what);
        window->tape().showHints();
        window->view().sync();
        ASSERT_TRUE(hints(true));
        act();
        EXPECT_TRUE(hints(false));
    }
}

// A flag saves the language, keeping the other settings, and rewrites the captions.
TEST_F(ChromeTest, FlagsSaveTheLanguageAndRewriteTheCaptions)
{
    writeFile(u"params.txt"_s, "LANGUE\tFR\n2CHIFFRES\t0\n3CHIFFRES\t1\n");
    start();
    const W& w = window->widgets();
    for (bool english : {true, false, true}) {
        QTest::mouseClick(english ? w.DrapeauAnglais : w.DrapeauFrancais, Qt::LeftButton);
        const QByteArray langue = english ? "EN" : "FR";
        EXPECT_EQ(readFile(u"params.txt"_s),
                  "LANGUE\t" + langue + "\r\n2CHIFFRES\t0\r\n3CHIFFRES\t1\r\nMILLIERS\t1\r\n");
        EXPECT_EQ(w.LabMessAide2->text(),
                  english ? u"Modify any figure to recalculate values"_s
                          : u"Modifiez les valeurs; les résultats sont recalculés"_s);
        EXPECT_EQ(w.Ouvrir->toolTip(), english ? u"Open (Ctrl+O)"_s : u"Ouvrir (Ctrl+O)"_s);
        EXPECT_EQ(w.OptionAnglais->isChecked(), english);
    }
}

} // namespace
