#include "divers/imagelist.h"

#include "divers/picture.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace talco {

QSvgRenderer* ImageList::load(const QString& cacheKey, const QString& path)
{
    if (QSvgRenderer* found = m_pictures.value(cacheKey))
        return found;
    if (!QFile::exists(path))
        return nullptr;
    auto* renderer = new QSvgRenderer(path, this);
    m_pictures.insert(cacheKey, renderer);
    return renderer;
}

QSvgRenderer* ImageList::picture(const QString& key)
{
    // Keypad keys live in keys/, the other buttons in buttons/.
    QSvgRenderer* r = load(key, QStringLiteral(":/keys/") + key + QStringLiteral(".svg"));
    return r ? r : load(key, QStringLiteral(":/buttons/") + key + QStringLiteral(".svg"));
}

QSvgRenderer* ImageList::skin(const QString& name)
{
    return load(QStringLiteral("skin/") + name,
                QStringLiteral(":/skin/") + name + QStringLiteral(".svg"));
}

} // namespace talco

namespace talco {

QCursor ImageList::handCursor()
{
    if (m_handReady)
        return m_hand;
    m_handReady = true;
    m_hand = QCursor(Qt::PointingHandCursor);
    QSvgRenderer* r = load(QStringLiteral("cursors/hand"), QStringLiteral(":/cursors/hand.svg"));
    if (!r)
        return m_hand;
    // Drawn at the screen's scale so that it stays sharp; the tip of the finger points.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(32, 32) * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    r->render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
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
