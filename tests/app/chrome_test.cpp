// The main window's chrome: moving it by its pictures, which also takes the hover off
// the keys, minimise, close and the autosave, and what hides the first-start hints.

#include "app/windowfixture.h"
#include "support/qstringprint.h"

#include "keypad/imagelist.h"
#include "keypad/keypadpanel.h"
#include "widgets/picture.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

using namespace talco;
using namespace talco::testing;

namespace {

using talco::testsupport::PrintTo;

using namespace Qt::StringLiterals;

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

struct AreaCase {
    const char* name;
    QWidget* (*area)(const frmMain::Widgets&);
};

class Drag : public WindowTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(Drag, GrabbedPointStaysUnderThePointer)
{
    start();
    QWidget* area = GetParam().area(window->widgets());
    const QPoint origin = window->pos();
    // 100 pixels from the window's left edge, near the area's top: above the keys when
    // the area is the keypad background.
    const QPoint inWindow(100, area->y() + 5);
    ASSERT_TRUE(area->geometry().contains(inWindow));
    const QPoint local = area->mapFrom(window.get(), inWindow);
    const QPoint grab = window->mapToGlobal(inWindow);
    if (!placePointer(grab))
        GTEST_SKIP() << "this platform does not let a program place the pointer";

    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, local);
    ASSERT_TRUE(placePointer(grab + QPoint(50, 30)));
    pointerMove(area, Qt::LeftButton);
    EXPECT_EQ(window->pos(), origin + QPoint(50, 30));

    // After the release the pointer moves on alone, and takes the hover off the keys.
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, local);
    Picture* seven = window->widgets().FrameClavier->key(u"ch7"_s);
    pointerMove(seven);
    ASSERT_EQ(window->widgets().FrameClavier->HoveredKey(), u"ch7"_s);
    ASSERT_TRUE(placePointer(grab + QPoint(90, 60)));
    pointerMove(area);
    EXPECT_EQ(window->pos(), origin + QPoint(50, 30));
    EXPECT_TRUE(window->widgets().FrameClavier->HoveredKey().isEmpty());
    EXPECT_EQ(seven->picture(), window->images().picture(u"ch7"_s));
}

using W = frmMain::Widgets;
INSTANTIATE_TEST_SUITE_P(
    Chrome, Drag,
    ::testing::Values(
        AreaCase{"TitleBar", [](const W& w) -> QWidget* { return w.ImgBordHaut; }},
        AreaCase{"MakersLabel", [](const W& w) -> QWidget* { return w.SiteKorvelsoft; }},
        AreaCase{"KeypadBackground", [](const W& w) -> QWidget* { return w.ImgClavier; }}),
    [](const auto& info) { return std::string(info.param.name); });

using ChromeTest = WindowTest;

TEST_F(ChromeTest, CloseButtonWritesTheAutosaveButNotWhenReleasedOutside)
{
    start();
    Picture* close = window->widgets().Quitter;
    QTest::mousePress(close, Qt::LeftButton);
    EXPECT_EQ(close->picture(), window->images().picture(u"quitter_on"_s));
    QTest::mouseRelease(close, Qt::LeftButton, Qt::NoModifier, QPoint(-20, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(close->picture(), window->images().picture(u"quitter"_s));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(path(u"ecran.txt"_s)));

    QTest::mouseClick(close, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    // Windows-1252: the group separator is the byte A0 (octal 240).
    EXPECT_EQ(readFile(u"ecran.txt"_s),
              tapeFile({"\t13\240896,78", "+\t756,00", "+\t1\240256,25", "=\t15\240909,03"}, true));
}

TEST_F(ChromeTest, MinimiseThenRestoreKeepsThePlace)
{
    start();
    window->widgets().ScrollV->setValue(20);
    const QRect before = window->geometry();
    QTest::mouseClick(window->widgets().Iconifier, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isMinimized());

    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->geometry(), before);
    EXPECT_EQ(window->tape().scrollValue(), 20);
    EXPECT_EQ(nombre(20)->y(), 0);
}

struct HintCase {
    const char* name;
    void (*act)(frmMain&);
};

class Hints : public WindowTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(Hints, FirstStartHintsHidden)
{
    start();
    ASSERT_TRUE(hints(true));
    // Checked before the event loop runs again: printing goes on from there.
    GetParam().act(*window);
    EXPECT_TRUE(hints(false));
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
}

INSTANTIATE_TEST_SUITE_P(
    Chrome, Hints,
    ::testing::Values(
        HintCase{"TapeArea", [](frmMain& w) { click(w.widgets().Ecran); }},
        HintCase{"SecondLabel", [](frmMain& w) { click(w.widgets().LabMessAide2); }},
        HintCase{"ClickInACell", [](frmMain& w) { click(w.view().cell(CellId::Op(1))); }},
        HintCase{"KeyInANumberCell",
                 [](frmMain& w) { QTest::keyClick(w.view().cell(CellId::Nombre(4)), '5'); }},
        HintCase{"PrintButton", [](frmMain& w) { click(w.widgets().Imprimer); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The maker's address opens the site on a click, as the one in About does, but not at the
// end of a move of the window by it.
TEST_F(ChromeTest, MakersAddressOpensTheSiteOnAClickThatMovedNothing)
{
    int opened = 0;
    openSite = [&opened] { ++opened; };
    start();
    QLabel* site = window->widgets().SiteKorvelsoft;
    QTest::mouseClick(site, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    QTest::mousePress(site, Qt::LeftButton);
    window->move(window->pos() + QPoint(40, 20));
    QTest::mouseRelease(site, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
}

} // namespace
