#include "widgets/picture.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace talco {

Picture::Picture(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Picture::setPicture(PictureSource* source)
{
    if (source == m_source)
        return;
    m_source = source;
    update();
}

bool Picture::isButton() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Picture::clicked));
}

void Picture::paintEvent(QPaintEvent*)
{
    if (!m_source || rect().isEmpty())
        return;
    // An image, not a pixmap: a compiled-in picture is drawn from where it lies, where a
    // pixmap would be a copy of it.
    const QImage image = m_source->image(size(), devicePixelRatioF());
    QPainter painter(this);
    // At a fractional scale the image's whole pixels may miss the widget's by a fraction.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image);
}

void Picture::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    Q_EMIT mouseDown(event->buttons(), event->modifiers());
}

void Picture::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMove(event->buttons(), event->modifiers());
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    Q_EMIT mouseUp(event->button(), event->modifiers());
    // The second release of a double click is not a click of its own.
    if (m_afterDoubleClick) {
        m_afterDoubleClick = false;
        return;
    }
    if (wasPressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pressed = true;
    m_afterDoubleClick = true;
    Q_EMIT mouseDown(event->buttons(), event->modifiers());
    Q_EMIT doubleClicked();
}

} // namespace talco
