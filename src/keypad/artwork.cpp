#include "keypad/artwork.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace talco {

namespace {

constexpr std::size_t CacheSize = 3;
// Ratios within this of 1 or 2 are those scales: a screen's ratio is computed, not typed.
constexpr qreal RatioTolerance = 0.001;
constexpr quint32 PixelsMagic = 0x42475241; // "ARGB" in the machine's byte order
constexpr qsizetype PixelsHeaderBytes = 16;
// Far above any picture of the window, and low enough that width * height * 4 cannot
// overflow.
constexpr quint32 PixelsMaxSide = 8192;

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

QImage PixelsImage(const uchar* data, qsizetype size)
{
    if (!data || size < PixelsHeaderBytes)
        return QImage();
    quint32 header[4];
    std::memcpy(header, data, sizeof header);
    const quint32 width = header[1];
    const quint32 height = header[2];
    if (header[0] != PixelsMagic || header[3] > 1 || width == 0 || height == 0 ||
        width > PixelsMaxSide || height > PixelsMaxSide ||
        size != PixelsHeaderBytes + qsizetype(width) * height * 4)
        return QImage();
    const uchar* pixels = data + PixelsHeaderBytes;
    const QImage image(pixels, int(width), int(height), qsizetype(width) * 4,
                       header[3] == 1 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    // QImage reads its pixels as 32-bit words.
    return reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0 ? image : image.copy();
}

namespace {

QString compiledInPath(const QString& name)
{
    return QStringLiteral(":/") + name + QStringLiteral(".argb");
}

} // namespace

bool Artwork::isCompiledIn(const QString& name)
{
    return QFile::exists(compiledInPath(name));
}

QImage Artwork::compiledIn(const QString& name)
{
    const QResource resource(compiledInPath(name));
    // Stored uncompressed, the resource's bytes are the program file's own.
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return QImage();
    return PixelsImage(resource.data(), resource.size());
}

QImage Artwork::image(QSize size, qreal ratio)
{
    const auto found = std::find_if(m_cache.begin(), m_cache.end(), [&](const Entry& e) {
        return e.size == size && e.ratio == ratio;
    });
    if (found != m_cache.end()) {
        std::rotate(m_cache.begin(), found, found + 1);
        return m_cache.front().image;
    }
    QImage image = render(size, ratio);
    if (image.isNull())
        return image;
    if (m_cache.size() == CacheSize)
        m_cache.pop_back();
    m_cache.insert(m_cache.begin(), Entry{size, ratio, image});
    return image;
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

QImage Artwork::render(QSize size, qreal ratio)
{
    if (size.isEmpty() || !(ratio > 0))
        return QImage();
    const QSize device = size * ratio;

    // At 1x and 2x the picture of that scale has exactly the pixels asked for when the
    // size is the picture's own.
    QImage image;
    if (std::abs(ratio - 1) < RatioTolerance)
        image = compiledIn(m_name);
    else if (std::abs(ratio - 2) < RatioTolerance)
        image = readFromFolders(QStringLiteral("@2x.png"), "png");
    // Any other size or scale is rendered afresh; Qt's SVG image plugin loads Qt SVG
    // only now.
    if (image.size() != device)
        image = readFromFolders(QStringLiteral(".svg"), "svg", device);
    // Without that plugin or the SVG, the nearest picture at or above the size asked,
    // scaled down rather than up where there is one.
    if (image.size() != device) {
        QImage nearest = compiledIn(m_name);
        if (nearest.isNull() || device.width() > nearest.width() ||
            device.height() > nearest.height()) {
            if (QImage larger = readFromFolders(QStringLiteral("@2x.png"), "png"); !larger.isNull())
                nearest = std::move(larger);
        }
        if (nearest.isNull())
            return QImage();
        image = nearest.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // Left alone at 1, where the image may be the program file's bytes: setting it would
    // copy them.
    if (image.devicePixelRatio() != ratio)
        image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace talco
