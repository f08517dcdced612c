#include "widgets/beside.h"

#include "widgets/twips.h"

#include <QScreen>
#include <QWidget>

namespace talco {

void MakeRoomBeside(QWidget* main, QWidget* secondary)
{
    QScreen* screen = main->screen();
    if (!screen)
        return;
    const int S = screen->geometry().width() * TwipsPerPixel;
    const int L = main->x() * TwipsPerPixel;
    const int W = main->width() * TwipsPerPixel;
    const int A = secondary->width() * TwipsPerPixel;
    if (L + W + A > S) {
        main->move((S - A - W) / TwipsPerPixel, main->y());
        secondary->move((S - A) / TwipsPerPixel, secondary->y());
    }
}

void PlaceBeside(QWidget* main, QWidget* secondary)
{
    secondary->move(main->x() + main->width(), main->y());
}

void ShowBeside(QWidget* main, QWidget* secondary)
{
    MakeRoomBeside(main, secondary);
    secondary->show();
    secondary->raise();
}

} // namespace talco
