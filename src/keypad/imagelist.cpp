#include "keypad/imagelist.h"

#include "divers/files.h"
#include "keypad/artwork.h"
#include "widgets/picture.h"

#include <QGuiApplication>
#include <QPixmap>

namespace talco {

ImageList::ImageList(QObject* parent) : QObject(parent)
{
    for (const QString& folder : ProgramFileFolders())
        m_folders << folder + QStringLiteral("/artwork");
}

ImageList::~ImageList() = default;

// name is the picture's path without extension; every picture has its 1x pixels compiled in.
Artwork* ImageList::load(const QString& cacheKey, const QString& name)
{
    if (const auto found = m_pictures.find(cacheKey); found != m_pictures.end())
        return found->second.get();
    if (!Artwork::isCompiledIn(name))
        return nullptr;
    return m_pictures.emplace(cacheKey, std::make_unique<Artwork>(name, m_folders))
        .first->second.get();
}

Artwork* ImageList::picture(const QString& key)
{
    // Keypad keys live in keys/, the other buttons in buttons/.
    Artwork* a = load(key, QStringLiteral("keys/") + key);
    return a ? a : load(key, QStringLiteral("buttons/") + key);
}

Artwork* ImageList::skin(const QString& name)
{
    const QString path = QStringLiteral("skin/") + name;
    return load(path, path);
}

} // namespace talco

namespace talco {

QCursor ImageList::handCursor()
{
    if (m_handReady)
        return m_hand;
    m_handReady = true;
    m_hand = QCursor(Qt::PointingHandCursor);
    Artwork* a = load(QStringLiteral("cursors/hand"), QStringLiteral("cursors/hand"));
    if (!a)
        return m_hand;
    // Drawn at the screen's scale so that it stays sharp; the tip of the finger points.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QPixmap pixmap = QPixmap::fromImage(a->image(QSize(32, 32), ratio));
    if (!pixmap.isNull())
        m_hand = QCursor(pixmap, 10, 2);
    return m_hand;
}

} // namespace talco

namespace talco {

Picture* MakePictureButton(ImageList& images, const QString& name, QWidget* parent)
{
    auto* button = new Picture(parent);
    button->setPicture(images.picture(name));
    button->setCursor(images.handCursor());
    QObject::connect(button, &Picture::mouseDown, button, [&images, button, name] {
        button->setPicture(images.picture(name + QStringLiteral("_on")));
    });
    QObject::connect(button, &Picture::mouseUp, button,
                     [&images, button, name] { button->setPicture(images.picture(name)); });
    return button;
}

} // namespace talco
