#pragma once

#include "widgets/picture.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace talco {

// Reads an image file of the given format, scaled to scaledTo when that is valid. Only
// the handler of that format is asked: guessing would load every image plugin Qt has,
// Qt SVG among them.
QImage ReadImage(const QString& file, const char* format, QSize scaledTo = QSize());

// One picture of the artwork, drawn as SVG and rendered from it as PNG at 1x and 2x of
// the size the window shows it at (its own size, but for the keypad panel). At that size
// on a 1x or 2x screen it is shown from the PNG, so that an ordinary start never loads Qt
// SVG; any other size or scale is rendered from the SVG then, so that it stays sharp.
// Only the 1x PNG is compiled in; the rest is read from the artwork folder when first
// needed. Nothing is read before it is asked for.
class Artwork : public PictureSource {
public:
    // name is the picture's path without extension, "keys/ch7": its 1x PNG is the
    // resource ":/keys/ch7.png", and its 2x PNG and SVG are "keys/ch7@2x.png" and
    // "keys/ch7.svg" in the first of folders that has them.
    Artwork(QString name, QStringList folders)
        : m_name(std::move(name)), m_folders(std::move(folders))
    {
    }

    Artwork(const Artwork&) = delete;
    Artwork& operator=(const Artwork&) = delete;

    // The picture drawn to fill size (logical pixels) on a screen of the given ratio: a
    // pixmap of size * ratio device pixels, with that device pixel ratio. Null only when
    // none of the picture's files can be read.
    QPixmap pixmap(QSize size, qreal ratio) override;

private:
    QPixmap render(QSize size, qreal ratio);
    // The picture's file of that suffix from the first folder where it reads.
    QImage readFromFolders(const QString& suffix, const char* format,
                           QSize scaledTo = QSize()) const;

    struct Entry {
        QSize size;
        qreal ratio;
        QPixmap pixmap;
    };

    QString m_name;
    QStringList m_folders;
    // The few sizes shown lately, the latest first: a picture is mostly shown at one size,
    // and a window being resized must not pile up one pixmap per step.
    std::vector<Entry> m_cache;
};

} // namespace talco
