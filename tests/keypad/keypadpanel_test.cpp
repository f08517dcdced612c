// The keypad panel's picture keys: hover, pressed and normal pictures, and the key
// actions that mouse clicks reach.

#include "keypad/imagelist.h"
#include "keypad/keypadpanel.h"
#include "tape/tapedriver.h"
#include "widgets/picture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace talco {
namespace {

using namespace Qt::StringLiterals;

// A pointer move as the platform reports it, with the buttons and keys held.
void pointerMove(QWidget* w, Qt::MouseButtons buttons = {}, Qt::KeyboardModifiers keys = {})
{
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     buttons, keys);
    QApplication::sendEvent(w, &move);
}

// Key by key: pressed, released off the key (no click), then hovered, which gives the key
// hovered before its own picture back; moves with a button or a key held change nothing.
// Then clicks run the key actions.
TEST(KeypadPanel, KeysShowTheirPicturesAndClicksActWithoutTakingTheFocus)
{
    TapeModel tape{tapetest::DefaultSettings, tapetest::french()};
    Keypad keypad{tape};
    ImageList images;
    QWidget host;
    auto* panel = new KeypadPanel(keypad, images, &host);
    int actions = 0;
    panel->afterAction = [&actions] { ++actions; };
    QString previous = KeypadPanel::baseName(Keys.back());
    pointerMove(panel->key(previous));
    for (const KeyDef& def : Keys) {
        const QString base = KeypadPanel::baseName(def);
        SCOPED_TRACE(base.toStdString());
        Picture* k = panel->key(base);
        ASSERT_TRUE(k && images.picture(base + u"_on"_s) && images.picture(base + u"_over"_s));
        QTest::mousePress(k, Qt::LeftButton);
        EXPECT_EQ(k->picture(), images.picture(base + u"_on"_s));
        QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, QPoint(45, 10));
        pointerMove(k, Qt::RightButton);
        pointerMove(k, Qt::NoButton, Qt::ShiftModifier);
        EXPECT_EQ(k->picture(), images.picture(base));

        pointerMove(k);
        EXPECT_EQ(k->picture(), images.picture(base + u"_over"_s));
        EXPECT_EQ(panel->key(previous)->picture(), images.picture(previous));
        previous = base;
    }
    EXPECT_EQ(actions, 0);

    // Over the panel's background, no key shows its hover picture.
    pointerMove(panel);
    EXPECT_EQ(panel->key(previous)->picture(), images.picture(previous));

    // A double click as the platform delivers it: press, release, double click, release.
    // Only a digit's double click repeats it.
    for (const QString& base : {u"ch1"_s, u"op0"_s}) {
        QTest::mouseClick(panel->key(base), Qt::LeftButton);
        QTest::mouseDClick(panel->key(base), Qt::LeftButton);
        QTest::mouseRelease(panel->key(base), Qt::LeftButton);
    }
    QTest::mouseClick(panel->key(u"ch2"_s), Qt::LeftButton);
    QTest::mouseClick(panel->key(u"egale"_s), Qt::LeftButton);
    EXPECT_EQ(tape.Op(1).text + tape.Op(2).text + tape.Nombre(2).text, u"+=13,00"_s);
    EXPECT_EQ(actions, 5);
}

} // namespace
} // namespace talco
