// The maker's label: its text shrinks to fit, and fits again after each change.

#include "divers/fittedlabel.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>

namespace talco {
namespace {

double drawnWidth(FittedLabel& label)
{
    return QFontMetricsF(label.fittedFont()).horizontalAdvance(label.text());
}

// Columns of the label's picture that hold drawn text.
int inkedColumns(FittedLabel& label)
{
    QImage picture(label.size(), QImage::Format_ARGB32);
    picture.fill(Qt::black);
    label.render(&picture);
    int inked = 0;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            if (qGray(picture.pixel(x, y)) > 60) {
                ++inked;
                break;
            }
    return inked;
}

TEST(FittedLabel, ShrinksToItsWidthAndFitsAgainAfterEachChange)
{
    FittedLabel label(QStringLiteral("www.korvelsoft.com"));
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label.setPalette(p);
    label.setAlignment(Qt::AlignCenter);
    QFont f = label.font();
    f.setPointSizeF(12);
    label.setFont(f);

    label.resize(60, 20);
    EXPECT_LT(label.fittedFont().pointSizeF(), 12);
    EXPECT_LE(drawnWidth(label), 60);
    // What is drawn is the fitted text, not the text cut at the label's edge.
    const int narrowInk = inkedColumns(label);
    EXPECT_GT(narrowInk, 30);

    label.resize(400, 20);
    EXPECT_EQ(label.fittedFont().pointSizeF(), 12); // room enough: the designed size

    label.resize(60, 20);
    label.setText(QStringLiteral("www"));
    EXPECT_EQ(label.fittedFont().pointSizeF(), 12);

    label.setText(QStringLiteral("www.korvelsoft.com"));
    f.setPointSizeF(20);
    label.setFont(f);
    EXPECT_LE(drawnWidth(label), 60);

    // Nothing fits in no room: it stops at the smallest size rather than vanishing.
    label.resize(2, 20);
    EXPECT_EQ(label.fittedFont().pointSizeF(), 4.0);
}

} // namespace
} // namespace talco
