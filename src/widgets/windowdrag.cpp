#include "widgets/windowdrag.h"

#include "widgets/placement.h"
#include "widgets/twips.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace talco {

namespace {

bool systemMoveOnly()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void WindowDrag::press(QWidget* window)
{
    if (systemMoveOnly() && window->windowHandle() && window->windowHandle()->startSystemMove())
        return;
    m_offsetX = TwipsPerPixel * GetCursorX() - TwipsPerPixel * window->x();
    m_offsetY = TwipsPerPixel * GetCursorY() - TwipsPerPixel * window->y();
    m_dragging = true;
}

void WindowDrag::move(QWidget* window)
{
    if (!m_dragging)
        return;
    const int left = TwipsPerPixel * GetCursorX() - m_offsetX;
    const int top = TwipsPerPixel * GetCursorY() - m_offsetY;
    window->move(left / TwipsPerPixel, top / TwipsPerPixel);
}

} // namespace talco
