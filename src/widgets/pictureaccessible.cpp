#include "widgets/pictureaccessible.h"

#include "widgets/picture.h"

#include <QAccessibleWidget>

namespace talco {

namespace {

class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(Picture* picture) : QAccessibleWidget(picture) {}

    // Asked each time, as a picture may get its click action after it was first queried.
    QAccessible::Role role() const override
    {
        return picture()->isButton() ? QAccessible::Button : QAccessibleWidget::role();
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture()->isButton())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && picture()->isButton())
            picture()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Picture* picture() const { return static_cast<Picture*>(widget()); }
};

QAccessibleInterface* pictureInterface(const QString&, QObject* object)
{
    if (auto* picture = qobject_cast<Picture*>(object))
        return new PictureAccessible(picture);
    return nullptr;
}

} // namespace

void InstallPictureAccessibility()
{
    QAccessible::installFactory(pictureInterface); // a factory already there is not added
}

} // namespace talco
