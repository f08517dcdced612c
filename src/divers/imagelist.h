#pragma once

#include <QCursor>
#include <QHash>
#include <QObject>
#include <QString>

class QSvgRenderer;
class QWidget;

namespace talco {

// The keyed list of button pictures: "ch7", "ch7_on", "ch7_over", "quitter", ...
// Pictures are loaded from the compiled-in resources the first time they are asked for.
class ImageList : public QObject {
public:
    explicit ImageList(QObject* parent = nullptr) : QObject(parent) {}

    // The picture stored under key, or nullptr when there is none.
    QSvgRenderer* picture(const QString& key);

    // A skin picture by resource path, for the window's own backgrounds.
    QSvgRenderer* skin(const QString& name);

    // The program's own pointer over keys and picture buttons: a pointing hand.
    QCursor handCursor();

private:
    QSvgRenderer* load(const QString& cacheKey, const QString& path);

    QHash<QString, QSvgRenderer*> m_pictures;
    QCursor m_hand;
    bool m_handReady = false;
};

class Picture;

// A picture button of the image list: shows name, name + "_on" while a mouse button is
// held on it, and the pointing hand over it.
Picture* MakePictureButton(ImageList& images, const QString& name, QWidget* parent);

} // namespace talco
