#include "widgets/fittedlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace talco {

namespace {

constexpr qreal MinPointSize = 4.0;

} // namespace

QFont FittedLabel::fittedFont()
{
    const int room = contentsRect().width();
    auto key = std::tuple(room, text(), font());
    if (key != m_fittedFor) {
        QFont f = font();
        const qreal width = QFontMetricsF(f).horizontalAdvance(text());
        if (width > room) {
            // The text's width follows the size: one measure gives the size that fits, to
            // within the rounding of glyphs to whole pixels, so that only one or two other
            // sizes are loaded from the font system, each costing a match of its own.
            const qreal estimate = std::floor(f.pointSizeF() * room / width * 4) / 4;
            f.setPointSizeF(std::max(MinPointSize, estimate));
            while (f.pointSizeF() > MinPointSize &&
                   QFontMetricsF(f).horizontalAdvance(text()) > room)
                f.setPointSizeF(f.pointSizeF() - 0.25);
        }
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
