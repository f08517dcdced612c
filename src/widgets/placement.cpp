#include "widgets/placement.h"

#include <QCursor>
#include <QWidget>

#include <cmath>

namespace talco {

void PlaceTopmost(QWidget* window, double width, double height)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->setGeometry(100, 100, int(std::nearbyint(width)), int(std::nearbyint(height)));
}

void ShowPlaced(QWidget* window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    // Later shows (a restore, a second opening) may activate the window again.
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

int GetCursorX()
{
    return QCursor::pos().x();
}

int GetCursorY()
{
    return QCursor::pos().y();
}

} // namespace talco
