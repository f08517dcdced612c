#include "divers/picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace talco {

Picture::Picture(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Picture::setPicture(QSvgRenderer* renderer)
{
    if (renderer == m_renderer)
        return;
    m_renderer = renderer;
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
    if (!m_renderer)
        return;
    QPainter painter(this);
    m_renderer->render(&painter, QRectF(rect()));
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
