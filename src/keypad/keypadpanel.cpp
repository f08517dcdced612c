#include "keypad/keypadpanel.h"

#include "keypad/imagelist.h"
#include "widgets/picture.h"
#include "widgets/twips.h"

#include <QMouseEvent>
#include <QScopedValueRollback>

#include <cmath>

namespace talco {

KeypadPanel::KeypadPanel(Keypad& keypad, ImageList& images, QWidget* parent)
    : QWidget(parent), m_keypad(keypad), m_images(images)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    const QCursor hand = m_images.handCursor();
    for (std::size_t slot = 0; slot < Keys.size(); ++slot) {
        const KeyDef& def = Keys[slot];
        auto* picture = new Picture(this);
        picture->setGeometry(twipsRect(def.left, def.top, KeySize, KeySize));
        picture->setPicture(m_images.picture(baseName(def)));
        picture->setCursor(hand);
        const int s = int(slot);
        connect(picture, &Picture::mouseMove, this,
                [this, s](Qt::MouseButtons b, Qt::KeyboardModifiers m) { keyMouseMove(s, b, m); });
        connect(picture, &Picture::mouseDown, this, [this, s] { keyMouseDown(s); });
        connect(picture, &Picture::mouseUp, this, [this, s] { keyMouseUp(s); });
        connect(picture, &Picture::clicked, this, [this, s] {
            m_keypad.click(Keys[s]);
            if (afterAction)
                afterAction();
        });
        // Only the digits have a double-click action: the digit once more.
        if (def.control == KeyControl::ImgChiffre) {
            connect(picture, &Picture::doubleClicked, this, [this, s] {
                m_keypad.ImgChiffre_DblClick(Keys[s].index);
                if (afterAction)
                    afterAction();
            });
        }
        m_keys[slot] = picture;
    }
}

Picture* KeypadPanel::key(KeyControl control, int index) const
{
    for (std::size_t slot = 0; slot < Keys.size(); ++slot) {
        if (Keys[slot].control == control && Keys[slot].index == index)
            return m_keys[slot];
    }
    return nullptr;
}

Picture* KeypadPanel::key(const QString& base) const
{
    for (std::size_t slot = 0; slot < Keys.size(); ++slot) {
        if (base == Keys[slot].base)
            return m_keys[slot];
    }
    return nullptr;
}

void KeypadPanel::keyMouseMove(int slot, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    // One guard per control array (or single key), as each has its own handler.
    bool& running = m_moveRunning[std::size_t(Keys[slot].control)];
    if (running)
        return;
    const QScopedValueRollback guard(running, true);
    const QString base = baseName(Keys[slot]);
    const bool held = buttons != Qt::NoButton ||
                      (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if (!held && m_hoveredKey != base) {
        ResetHoveredKey();
        m_keys[slot]->setPicture(m_images.picture(base + QStringLiteral("_over")));
        m_hoveredKey = base;
    }
}

void KeypadPanel::keyMouseDown(int slot)
{
    m_keys[slot]->setPicture(m_images.picture(baseName(Keys[slot]) + QStringLiteral("_on")));
}

void KeypadPanel::keyMouseUp(int slot)
{
    m_keys[slot]->setPicture(m_images.picture(baseName(Keys[slot])));
}

void KeypadPanel::ResetHoveredKey()
{
    const QString& h = m_hoveredKey;
    Picture* target = nullptr;
    QString picture;
    if (h.startsWith(u"ch") && !h.isEmpty()) {
        target = key(KeyControl::ImgChiffre, h.back().digitValue());
        picture = QStringLiteral("ch") + h.back();
    } else if (h.startsWith(u"op") && !h.isEmpty()) {
        target = key(KeyControl::ImgFct, h.back().digitValue());
        picture = QStringLiteral("op") + h.back();
    } else if (h == u"point" || h == u"egale" || h == u"c") {
        target = key(h);
        picture = h;
    } else if (h.startsWith(u"monnaie")) {
        target = key(KeyControl::ImgMonnaie, h.back().digitValue());
        picture = QStringLiteral("monnaie") + h.back();
    }
    if (target)
        target->setPicture(m_images.picture(picture));
    m_hoveredKey.clear();
}

void KeypadPanel::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    FrameClavier_MouseMove();
}

void KeypadPanel::FrameClavier_MouseMove()
{
    if (m_panelMoveRunning)
        return;
    const QScopedValueRollback running(m_panelMoveRunning, true);
    if (!m_hoveredKey.isEmpty())
        ResetHoveredKey();
}

} // namespace talco
