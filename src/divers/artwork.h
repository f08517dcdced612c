#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

namespace talco {

// Reads an image file of the given format, scaled to scaledTo when that is valid. Only
// the handler of that format is asked: guessing would load every image plugin Qt has,
// Qt SVG among them.
QImage ReadImage(const QString& file, const char* format, QSize scaledTo = QSize());

// One picture of the artwork, drawn as SVG and also compiled in as PNG rendered from it
// at 1x and 2x of the size the window shows it at (its own size, but for the keypad
// panel). At that size on a 1x or 2x screen it is shown from the PNG, so that an ordinary
// start never loads Qt SVG; any other size or scale is rendered from the SVG then, so
// that it stays sharp. Nothing is read before it is asked for.
class Artwork {
public:
    // path is the resource path without its extension: ":/keys/ch7" stands for
    // ":/keys/ch7.svg", ":/keys/ch7.png" and ":/keys/ch7@2x.png".
    explicit Artwork(QString path) : m_path(std::move(path)) {}

    Artwork(const Artwork&) = delete;
    Artwork& operator=(const Artwork&) = delete;

    // The picture drawn to fill size (logical pixels) on a screen of the given ratio: a
    // pixmap of size * ratio device pixels, with that device pixel ratio. Null only when
    // none of the picture's files can be read.
    QPixmap pixmap(QSize size, qreal ratio);

private:
    QPixmap render(QSize size, qreal ratio);

    struct Entry {
        QSize size;
        qreal ratio;
        QPixmap pixmap;
    };

    QString m_path;
    // The few sizes shown lately, the latest first: a picture is mostly shown at one size,
    // and a window being resized must not pile up one pixmap per step.
    std::vector<Entry> m_cache;
};

} // namespace talco
