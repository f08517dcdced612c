#include "keypad/artwork.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace talco {

namespace {

constexpr std::size_t CacheSize = 3;
// Ratios within this of 1 or 2 are those scales: a screen's ratio is computed, not typed.
constexpr qreal RatioTolerance = 0.001;

} // namespace

QImage ReadImage(const QString& file, const char* format, QSize scaledTo)
{
    QFile device(file);
    if (!device.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    if (scaledTo.isValid())
        reader.setScaledSize(scaledTo);
    return reader.read();
}

QPixmap Artwork::pixmap(QSize size, qreal ratio)
{
    const auto found = std::find_if(m_cache.begin(), m_cache.end(), [&](const Entry& e) {
        return e.size == size && e.ratio == ratio;
    });
    if (found != m_cache.end()) {
        std::rotate(m_cache.begin(), found, found + 1);
        return m_cache.front().pixmap;
    }
    QPixmap pixmap = render(size, ratio);
    if (pixmap.isNull())
        return pixmap;
    if (m_cache.size() == CacheSize)
        m_cache.pop_back();
    m_cache.insert(m_cache.begin(), Entry{size, ratio, pixmap});
    return pixmap;
}

QImage Artwork::readFromFolders(const QString& suffix, const char* format, QSize scaledTo) const
{
    for (const QString& folder : m_folders) {
        QImage image = ReadImage(folder + u'/' + m_name + suffix, format, scaledTo);
        if (!image.isNull())
            return image;
    }
    return QImage();
}

QPixmap Artwork::render(QSize size, qreal ratio)
{
    if (size.isEmpty() || !(ratio > 0))
        return QPixmap();
    const QSize device = size * ratio;
    const QString png1 = QStringLiteral(":/") + m_name + QStringLiteral(".png");

    // At 1x and 2x the PNG of that scale has exactly the pixels asked for when the size is
    // the picture's own.
    QImage image;
    if (std::abs(ratio - 1) < RatioTolerance)
        image = ReadImage(png1, "png");
    else if (std::abs(ratio - 2) < RatioTolerance)
        image = readFromFolders(QStringLiteral("@2x.png"), "png");
    // Any other size or scale is rendered afresh; Qt's SVG image plugin loads Qt SVG
    // only now.
    if (image.size() != device)
        image = readFromFolders(QStringLiteral(".svg"), "svg", device);
    // Without that plugin or the SVG, the nearest PNG at or above the size asked, scaled
    // down rather than up where there is one.
    if (image.size() != device) {
        QImage png = ReadImage(png1, "png");
        if (png.isNull() || device.width() > png.width() || device.height() > png.height()) {
            if (QImage larger = readFromFolders(QStringLiteral("@2x.png"), "png"); !larger.isNull())
                png = std::move(larger);
        }
        if (png.isNull())
            return QPixmap();
        image = png.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace talco
