#include "widgets/fittedlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

namespace talco {

QFont FittedLabel::fittedFont()
{
    const int room = contentsRect().width();
    auto key = std::tuple(room, text(), font());
    if (key != m_fittedFor) {
        QFont f = font();
        while (f.pointSizeF() > 4.0 && QFontMetricsF(f).horizontalAdvance(text()) > room)
            f.setPointSizeF(f.pointSizeF() - 0.25);
        m_fitted = f;
        m_fittedFor = std::move(key);
    }
    return m_fitted;
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(fittedFont());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          text(), foregroundRole());
}

} // namespace talco
