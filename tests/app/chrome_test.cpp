// The main window's chrome: moving it by its pictures, minimise and close, the hovered
// key reset by the borders, and what hides the first-start hints.

#include "app/windowfixture.h"

#include "divers/imagelist.h"
#include "divers/picture.h"
#include "keypad/keypadpanel.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

using namespace talco;
using namespace talco::testing;

namespace {

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

using AreaOf = QWidget* (*)(const frmMain::Widgets&);

struct AreaCase {
    const char* name;
    AreaOf area;
};

// ---- moving the window ---------------------------------------------------------------

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
    ASSERT_TRUE(placePointer(grab + QPoint(50, 0)));
    pointerMove(area, Qt::LeftButton);
    EXPECT_EQ(window->pos(), origin + QPoint(50, 0));
    EXPECT_EQ(window->mapFromGlobal(QCursor::pos()), inWindow);

    ASSERT_TRUE(placePointer(grab + QPoint(20, 30)));
    pointerMove(area, Qt::LeftButton);
    EXPECT_EQ(window->pos(), origin + QPoint(20, 30));

    // After the release the pointer moves on alone.
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, local);
    ASSERT_TRUE(placePointer(grab + QPoint(90, 60)));
    pointerMove(area);
    EXPECT_EQ(window->pos(), origin + QPoint(20, 30));
}

INSTANTIATE_TEST_SUITE_P(
    Chrome, Drag,
    ::testing::Values(
        AreaCase{"TitleBar", [](const frmMain::Widgets& w) -> QWidget* { return w.ImgBordHaut; }},
        AreaCase{"MakersLabel",
                 [](const frmMain::Widgets& w) -> QWidget* { return w.SiteKorvelsoft; }},
        AreaCase{"KeypadBackground",
                 [](const frmMain::Widgets& w) -> QWidget* { return w.ImgClavier; }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the hovered key and the borders -------------------------------------------------

struct BorderCase {
    const char* name;
    AreaOf area;
    bool resets;
};

class HoverReset : public WindowTest, public ::testing::WithParamInterface<BorderCase> {};

TEST_P(HoverReset, PointerMoveWithoutAButton)
{
    start();
    KeypadPanel* keypad = window->widgets().FrameClavier;
    Picture* seven = keypad->key(u"ch7"_s);
    pointerMove(seven);
    ASSERT_EQ(keypad->HoveredKey(), u"ch7"_s);
    const QRect before = window->geometry();

    pointerMove(GetParam().area(window->widgets()));
    EXPECT_EQ(window->geometry(), before);
    if (GetParam().resets) {
        EXPECT_TRUE(keypad->HoveredKey().isEmpty());
        EXPECT_EQ(seven->picture(), window->images().picture(u"ch7"_s));
    } else {
        EXPECT_EQ(keypad->HoveredKey(), u"ch7"_s);
        EXPECT_EQ(seven->picture(), window->images().picture(u"ch7_over"_s));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chrome, HoverReset,
    ::testing::Values(
        BorderCase{"TitleBar", [](const frmMain::Widgets& w) -> QWidget* { return w.ImgBordHaut; },
                   true},
        BorderCase{"MakersLabel",
                   [](const frmMain::Widgets& w) -> QWidget* { return w.SiteKorvelsoft; }, true},
        BorderCase{"KeypadBackground",
                   [](const frmMain::Widgets& w) -> QWidget* { return w.ImgClavier; }, true},
        BorderCase{"BottomBorder",
                   [](const frmMain::Widgets& w) -> QWidget* { return w.ImgBordBas; }, true},
        BorderCase{"TapeArea", [](const frmMain::Widgets& w) -> QWidget* { return w.Ecran; },
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- minimise and close ------------------------------------------------------------

struct ButtonCase {
    const char* name;
    Picture* frmMain::Widgets::*button;
    const char16_t* picture;
};

class PressedPicture : public WindowTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(PressedPicture, ShownWhileHeldAndReleasingOutsideDoesNothing)
{
    start();
    Picture* button = window->widgets().*GetParam().button;
    const QString normal = QString::fromUtf16(GetParam().picture);
    ASSERT_NE(window->images().picture(normal + u"_on"_s), nullptr);

    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(button->picture(), window->images().picture(normal + u"_on"_s));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(-20, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(button->picture(), window->images().picture(normal));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(QFile::exists(path(u"ecran.txt"_s)));
}

INSTANTIATE_TEST_SUITE_P(
    Chrome, PressedPicture,
    ::testing::Values(ButtonCase{"Close", &frmMain::Widgets::Quitter, u"quitter"},
                      ButtonCase{"Minimise", &frmMain::Widgets::Iconifier, u"iconifier"}),
    [](const auto& info) { return std::string(info.param.name); });

class ChromeTest : public WindowTest {};

TEST_F(ChromeTest, CloseButtonClosesAndSavesTheTape)
{
    start();
    QTest::mouseClick(window->widgets().Quitter, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->widgets().Quitter->picture(), window->images().picture(u"quitter"_s));
    EXPECT_TRUE(readFile(u"ecran.txt"_s).startsWith("0\t\t13"));
}

TEST_F(ChromeTest, MinimiseThenRestoreKeepsThePlace)
{
    start();
    window->widgets().ScrollV->setValue(20);
    const QRect before = window->geometry();
    const QRect row = window->view().cell(CellId::Nombre(25))->geometry();
    QTest::mouseClick(window->widgets().Iconifier, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(window->widgets().Iconifier->picture(), window->images().picture(u"iconifier"_s));

    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(window->geometry(), before);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->tape().scrollValue(), 20);
    EXPECT_EQ(window->view().cell(CellId::Nombre(25))->geometry(), row);
}

// ---- hints ---------------------------------------------------------------------------

struct HintCase {
    const char* name;
    void (*act)(frmMain&);
    bool hides;
};

class Hints : public WindowTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(Hints, FirstStartHints)
{
    start();
    ASSERT_TRUE(hintsShown());
    // Checked before the event loop runs again: printing goes on from there.
    GetParam().act(*window);
    EXPECT_EQ(window->widgets().FrameAide1->isVisible(), !GetParam().hides);
    EXPECT_EQ(window->widgets().FrameAide2->isVisible(), !GetParam().hides);
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
}

Picture* keyOf(frmMain& w, const char16_t* base)
{
    return w.widgets().FrameClavier->key(QString::fromUtf16(base));
}

INSTANTIATE_TEST_SUITE_P(
    Chrome, Hints,
    ::testing::Values(
        HintCase{"TapeArea", [](frmMain& w) { click(w.widgets().Ecran); }, true},
        HintCase{"FirstPanel", [](frmMain& w) { click(w.widgets().FrameAide1); }, true},
        HintCase{"SecondPanel", [](frmMain& w) { click(w.widgets().FrameAide2); }, true},
        HintCase{"FirstLabel", [](frmMain& w) { click(w.widgets().LabMessAide1); }, true},
        HintCase{"SecondLabel", [](frmMain& w) { click(w.widgets().LabMessAide2); }, true},
        HintCase{"ClickInACell", [](frmMain& w) { click(w.view().cell(CellId::Op(1))); }, true},
        HintCase{"KeyInANumberCell",
                 [](frmMain& w) { QTest::keyClick(w.view().cell(CellId::Nombre(4)), '5'); }, true},
        HintCase{"DigitKey", [](frmMain& w) { click(keyOf(w, u"ch5")); }, true},
        HintCase{"DecimalKey", [](frmMain& w) { click(keyOf(w, u"point")); }, true},
        HintCase{"ClearKey", [](frmMain& w) { click(keyOf(w, u"c")); }, true},
        HintCase{"PrintButton", [](frmMain& w) { click(w.widgets().Imprimer); }, true},
        HintCase{"BottomBorderPress",
                 [](frmMain& w) {
                     QTest::mousePress(w.widgets().ImgBordBas, Qt::LeftButton);
                     QTest::mouseRelease(w.widgets().ImgBordBas, Qt::LeftButton);
                 },
                 true},
        HintCase{"OperatorKeyInAnOperatorCell",
                 [](frmMain& w) {
                     w.tape().focusIn(CellId::Op(2));
                     w.view().sync();
                     ASSERT_TRUE(w.tape().entry().OpCellFocused);
                     click(keyOf(w, u"op1"));
                     EXPECT_EQ(w.tape().Op(2).text, u"-"_s);
                 },
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
