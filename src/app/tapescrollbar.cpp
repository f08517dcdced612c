#include "app/tapescrollbar.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace talco {

TapeScrollBar::TapeScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TapeScrollBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x10, 0x10, 0x14));
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    if (handle.isEmpty())
        return;
    const bool hot = underMouse() && handle.contains(mapFromGlobal(QCursor::pos()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(hot || isSliderDown() ? QColor(0xFF, 0x80, 0x00) : QColor(0x4A, 0x4A, 0x55));
    p.drawRoundedRect(QRectF(handle).adjusted(3, 1, -3, -1), 4, 4);
}

} // namespace talco
