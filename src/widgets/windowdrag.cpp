#include "widgets/windowdrag.h"

#include "widgets/placement.h"
#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScopedValueRollback>
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
    if (!m_dragging || m_moving)
        return;
    const QScopedValueRollback moving(m_moving, true);
    const int left = TwipsPerPixel * GetCursorX() - m_offsetX;
    const int top = TwipsPerPixel * GetCursorY() - m_offsetY;
    window->move(left / TwipsPerPixel, top / TwipsPerPixel);
}

void HeightDrag::move(QWidget* window)
{
    if (!m_dragging || m_moving)
        return;
    const QScopedValueRollback moving(m_moving, true);
    const int height = TwipsPerPixel * GetCursorY() - TwipsPerPixel * window->y();
    if (height > m_minHeight)
        window->resize(window->width(), twipsToPixels(height));
}

} // namespace talco
