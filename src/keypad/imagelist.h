#pragma once

#include "keypad/artwork.h"

#include <QCursor>
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QWidget;

namespace talco {

// The keyed list of button pictures: "ch7", "ch7_on", "ch7_over", "quitter", ...
// Each picture is one object for the list's life, read only when first drawn: from the
// compiled-in resources, or from the artwork folder beside the program or installed.
class ImageList : public QObject {
public:
    explicit ImageList(QObject* parent = nullptr);
    ~ImageList() override;

    // The picture stored under key, or nullptr when there is none.
    Artwork* picture(const QString& key);

    // A skin picture by resource path, for the window's own backgrounds.
    Artwork* skin(const QString& name);

    // The program's own pointer over keys and picture buttons: a pointing hand.
    QCursor handCursor();

private:
    Artwork* load(const QString& cacheKey, const QString& name);

    QStringList m_folders;
    std::map<QString, std::unique_ptr<Artwork>> m_pictures;
    QCursor m_hand;
    bool m_handReady = false;
};

class Picture;

// A picture button of the image list: shows name, name + "_on" while a mouse button is
// held on it, and the pointing hand over it.
Picture* MakePictureButton(ImageList& images, const QString& name, QWidget* parent);

} // namespace talco
