// The keypad panel's picture keys: hover, pressed and normal pictures, and the key
// actions that mouse clicks reach.

#include "divers/imagelist.h"
#include "divers/picture.h"
#include "keypad/keypadpanel.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace talco {
namespace {

using namespace Qt::StringLiterals;

class Panel : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel->setGeometry(0, 0, 161, 129);
        host.resize(200, 160);
        host.show();
        tape.focusIn(CellId::Nombre(0));
        panel->afterAction = [this] { ++actions; };
    }

    Picture* key(const QString& base) const { return panel->key(base); }
    Artwork* picture(const QString& name) { return images.picture(name); }

    // A pointer move as the platform reports it, with the buttons and keys held.
    static void pointerMove(QWidget* w, Qt::MouseButtons buttons = Qt::NoButton,
                            Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF at(3, 3);
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, buttons,
                         modifiers);
        QApplication::sendEvent(w, &move);
    }

    Settings settings;
    TapeModel tape{settings, tapetest::french()};
    Keypad keypad{tape};
    ImageList images;
    QWidget host;
    KeypadPanel* panel = new KeypadPanel(keypad, images, &host);
    int actions = 0;
};

TEST_F(Panel, EveryKeyHasItsThreePicturesAndShowsTheNormalOne)
{
    for (const KeyDef& def : Keys) {
        const QString base = QString::fromUtf16(def.base);
        SCOPED_TRACE(base.toStdString());
        Picture* k = key(base);
        ASSERT_NE(k, nullptr);
        for (const QString& suffix : {u""_s, u"_on"_s, u"_over"_s})
            EXPECT_NE(picture(base + suffix), nullptr) << suffix.toStdString();
        EXPECT_EQ(k->picture(), picture(base));
    }
}

TEST_F(Panel, HoverMovesFromKeyToKeyAndOffOverTheBackground)
{
    pointerMove(key(u"ch7"_s));
    EXPECT_EQ(key(u"ch7"_s)->picture(), picture(u"ch7_over"_s));
    // Moves with a button or a key held change nothing.
    pointerMove(key(u"op2"_s), Qt::RightButton);
    pointerMove(key(u"op3"_s), Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(key(u"ch7"_s)->picture(), picture(u"ch7_over"_s));
    EXPECT_EQ(key(u"op3"_s)->picture(), picture(u"op3"_s));

    pointerMove(key(u"monnaie1"_s));
    EXPECT_EQ(key(u"ch7"_s)->picture(), picture(u"ch7"_s));
    EXPECT_EQ(key(u"monnaie1"_s)->picture(), picture(u"monnaie1_over"_s));
    EXPECT_EQ(panel->HoveredKey(), u"monnaie1"_s);
    pointerMove(panel);
    EXPECT_EQ(key(u"monnaie1"_s)->picture(), picture(u"monnaie1"_s));
    EXPECT_TRUE(panel->HoveredKey().isEmpty());
}

TEST_F(Panel, PressAndReleaseThenHoverAgainOnlyAfterLeaving)
{
    Picture* plus = key(u"op0"_s);
    pointerMove(plus);
    QTest::mousePress(plus, Qt::LeftButton);
    EXPECT_EQ(plus->picture(), picture(u"op0_on"_s));
    QTest::mouseRelease(plus, Qt::LeftButton);
    pointerMove(plus);
    EXPECT_EQ(plus->picture(), picture(u"op0"_s));
    EXPECT_EQ(panel->HoveredKey(), u"op0"_s);
    pointerMove(panel);
    pointerMove(plus);
    EXPECT_EQ(plus->picture(), picture(u"op0_over"_s));
}

TEST_F(Panel, ClicksRunTheKeyActions)
{
    for (const char16_t* base : {u"ch1", u"ch2", u"op0", u"ch3", u"egale"})
        QTest::mouseClick(key(QString::fromUtf16(base)), Qt::LeftButton);
    EXPECT_EQ(tape.Op(2).text + tape.Nombre(2).text, u"=15,00"_s);
    EXPECT_EQ(actions, 5);

    // Released off the key: no click, no action, and the normal picture again.
    QTest::mousePress(key(u"ch9"_s), Qt::LeftButton);
    QTest::mouseRelease(key(u"ch9"_s), Qt::LeftButton, Qt::NoModifier, QPoint(45, 10));
    EXPECT_EQ(key(u"ch9"_s)->picture(), picture(u"ch9"_s));
    EXPECT_TRUE(tape.Nombre(3).text.isEmpty());
    EXPECT_EQ(actions, 5);
}

// A double click as the platform delivers it: press, release, double click, release.
void doubleClick(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

TEST_F(Panel, DoubleClickRepeatsOnlyADigit)
{
    doubleClick(key(u"ch4"_s));
    EXPECT_EQ(tape.Nombre(0).text, u"44"_s);
    EXPECT_EQ(key(u"ch4"_s)->picture(), picture(u"ch4"_s));

    doubleClick(key(u"op0"_s));
    EXPECT_EQ(tape.Op(1).text, u"+"_s);
    EXPECT_TRUE(tape.Op(2).text.isEmpty()) << "the operator was applied twice";
    EXPECT_EQ(tape.entry().CurrentRow, 1);
}

TEST_F(Panel, ClickLeavesTheFocusWhereItWas)
{
    auto* field = new QLineEdit(&host);
    field->setGeometry(0, 140, 100, 20);
    field->show();
    host.activateWindow();
    field->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(field->hasFocus());
    QTest::mouseClick(key(u"ch6"_s), Qt::LeftButton);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(tape.Nombre(0).text, u"6"_s);
}

} // namespace
} // namespace talco
