// Renders an SVG picture to files, each at a scale of the picture's size, so that the
// program can show its artwork without parsing SVG at start-up. A PNG picture (the
// window icon, drawn by hand at each size) is drawn the same way.
//
//     talco-rasterize INPUT.{svg,png} [--size WIDTHxHEIGHT] SCALE OUTPUT [SCALE OUTPUT ...]
//
// An OUTPUT ending in .png is a PNG file; one ending in .argb holds the pixels as the
// program draws them (see keypad/artwork.h), so that it shows them without decoding.
// --size stretches the picture to that size before scaling, for a picture the window shows
// at another size than it is drawn.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>

namespace {

int usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s INPUT.{svg,png} [--size WIDTHxHEIGHT] SCALE OUTPUT.{png,argb} "
                 "[SCALE OUTPUT ...]\n",
                 program);
    return 2;
}

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split(u'x');
    bool okWidth = false;
    bool okHeight = false;
    const QSize size =
        parts.size() == 2 ? QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight)) : QSize();
    return okWidth && okHeight && !size.isEmpty() ? size : QSize();
}

// The header of keypad/artwork.h, then the rows one after the other, in this machine's
// byte order: the program is built here for here.
bool writePixels(const QImage& image, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool opaque = true;
    for (int y = 0; opaque && y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        opaque = std::all_of(row, row + image.width(), [](QRgb p) { return qAlpha(p) == 255; });
    }
    const quint32 header[4] = {0x42475241u, quint32(image.width()), quint32(image.height()),
                               opaque ? 1u : 0u};
    bool ok = file.write(reinterpret_cast<const char*>(header), sizeof header) == sizeof header;
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    for (int y = 0; ok && y < image.height(); ++y)
        ok =
            file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) == rowBytes;
    return ok && file.flush();
}

} // namespace

int main(int argc, char** argv)
{
    // No window is shown: the offscreen platform needs no display on a build machine.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage(argv[0]);

    const QString input = args.takeFirst();
    const QImage png = input.endsWith(u".png") ? QImage(input) : QImage();
    QSvgRenderer renderer;
    if (png.isNull())
        renderer.load(input);
    QSize base = png.isNull() ? renderer.defaultSize() : png.size();
    if ((png.isNull() && !renderer.isValid()) || base.isEmpty()) {
        std::fprintf(stderr, "%s: not a picture with a size\n", qPrintable(input));
        return 1;
    }
    if (args.size() >= 2 && args[0] == u"--size") {
        base = parseSize(args[1]);
        if (base.isEmpty())
            return usage(argv[0]);
        args = args.mid(2);
    }
    if (args.isEmpty() || args.size() % 2 != 0)
        return usage(argv[0]);

    for (qsizetype i = 0; i < args.size(); i += 2) {
        bool ok = false;
        const double scale = args[i].toDouble(&ok);
        if (!ok || scale <= 0)
            return usage(argv[0]);
        QImage image(base * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        if (png.isNull())
            renderer.render(&painter, QRectF(QPointF(0, 0), image.size()));
        else
            painter.drawImage(QRect(QPoint(0, 0), image.size()), png);
        painter.end();
        const QString& output = args[i + 1];
        const bool written =
            output.endsWith(u".argb") ? writePixels(image, output) : image.save(output, "PNG");
        if (!written) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(output));
            return 1;
        }
    }
    return 0;
}
