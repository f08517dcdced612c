#pragma once

#include "widgets/picture.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace talco {

// Reads an image file of the given format, scaled to scaledTo when that is valid. Only
// the handler of that format is asked: guessing would load every image plugin Qt has,
// Qt SVG among them.
QImage ReadImage(const QString& file, const char* format, QSize scaledTo = QSize());

// The picture held in the bytes of a compiled-in ".argb" resource: a header of four 32-bit
// words in the machine's byte order ("ARGB" read as bytes, the width, the height, and 1
// when every pixel is opaque, else 0), then the rows of premultiplied ARGB32 pixels with
// nothing between them. The image is drawn from those bytes where they lie, without a
// copy, when they are aligned as QImage needs; otherwise it is a copy. An opaque picture
// is an RGB32 image, which Qt copies to the screen as it is where it would blend any
// other, on helper threads for a large one. Null when the bytes are not such a picture.
QImage PixelsImage(const uchar* data, qsizetype size);

// One picture of the artwork, drawn as SVG and rendered from it at 1x and 2x of the size
// the window shows it at (its own size, but for the keypad panel). At that size on a 1x
// or 2x screen it is shown from those, so that an ordinary start never loads Qt SVG; any
// other size or scale is rendered from the SVG then, so that it stays sharp. Only the 1x
// picture is compiled in, as pixels; the 2x PNG and the SVG are read from the artwork
// folder when first needed. Nothing is read before it is asked for.
class Artwork : public PictureSource {
public:
    // name is the picture's path without extension, "keys/ch7": its 1x pixels are the
    // resource ":/keys/ch7.argb", and its 2x PNG and SVG are "keys/ch7@2x.png" and
    // "keys/ch7.svg" in the first of folders that has them.
    Artwork(QString name, QStringList folders)
        : m_name(std::move(name)), m_folders(std::move(folders))
    {
    }

    Artwork(const Artwork&) = delete;
    Artwork& operator=(const Artwork&) = delete;

    // The picture drawn to fill size (logical pixels) on a screen of the given ratio: an
    // image of size * ratio device pixels, with that device pixel ratio. Null only when
    // none of the picture's files can be read.
    QImage image(QSize size, qreal ratio) override;

    // The compiled-in 1x picture of that name ("keys/ch7"), or a null image.
    static QImage compiledIn(const QString& name);
    // Whether the program holds a 1x picture of that name, without reading it.
    static bool isCompiledIn(const QString& name);

private:
    QImage render(QSize size, qreal ratio);
    // The picture's file of that suffix from the first folder where it reads.
    QImage readFromFolders(const QString& suffix, const char* format,
                           QSize scaledTo = QSize()) const;

    struct Entry {
        QSize size;
        qreal ratio;
        QImage image;
    };

    QString m_name;
    QStringList m_folders;
    // The few sizes shown lately, the latest first: a picture is mostly shown at one size,
    // and a window being resized must not pile up one pixmap per step.
    std::vector<Entry> m_cache;
};

} // namespace talco
