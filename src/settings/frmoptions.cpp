#include "settings/frmoptions.h"

#include "keypad/imagelist.h"
#include "widgets/beside.h"
#include "widgets/picture.h"
#include "widgets/placement.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

namespace talco {

namespace {

// A setting shows as checked when it reads as the whole number 1; values that are
// not whole numbers show unchecked.
Qt::CheckState checkState(const QString& value)
{
    bool ok = false;
    return value.trimmed().toInt(&ok) == 1 && ok ? Qt::Checked : Qt::Unchecked;
}

QString checkValue(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

// A check box whose caption wraps onto the lines of its height: the English caption of
// the thousands separator is two lines long at the designed width. A click anywhere on
// it toggles it, as on its caption.
class WrappingCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_CheckBox, option);
        const QRect room = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        style()->drawItemText(&painter, room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                              option.palette, isEnabled(), caption, foregroundRole());
    }

    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

frmOptions::frmOptions(QWidget* mainWindow, const OptionsHost& host)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_main(mainWindow), m_host(host)
{
    setWindowTitle(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_w.ImgFond = new Picture(this);
    m_w.ImgFond->setPicture(m_host.images.skin(QStringLiteral("options")));
    m_w.ImgFond->setGeometry(twipsRect(10, 0, 2820, 4890));
    m_w.ImgFond->setCursor(Qt::SizeAllCursor);
    connect(m_w.ImgFond, &Picture::mouseDown, this, [this] { m_drag.press(this); });
    connect(m_w.ImgFond, &Picture::mouseMove, this, [this] { m_drag.move(this); });
    connect(m_w.ImgFond, &Picture::mouseUp, this, [this] { m_drag.release(); });

    m_w.Quitter = MakePictureButton(m_host.images, QStringLiteral("quitter"), this);
    m_w.Quitter->setGeometry(twipsRect(2520, 40, 270, 270));
    connect(m_w.Quitter, &Picture::clicked, this, &QWidget::close);

    // White on black whatever the desktop's style; small enough for the designed width.
    setStyleSheet(QStringLiteral("QCheckBox { color: white; background-color: black; }"
                                 "QCheckBox, QLabel { font-size: 7.5pt; }"));
    const auto makeBox = [&](QRect place) {
        auto* box = new WrappingCheckBox(this);
        box->setGeometry(place);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    };
    m_w.Check2Chiffres = makeBox(twipsRect(240, 960, 2415, 255));
    m_w.Check3Chiffres = makeBox(twipsRect(240, 1680, 2415, 255));
    m_w.CheckMilliers = makeBox(twipsRect(240, 2760, 2535, 495));
    connect(m_w.Check2Chiffres, &QCheckBox::clicked, this, &frmOptions::Check2Chiffres_Click);
    connect(m_w.Check3Chiffres, &QCheckBox::clicked, this, &frmOptions::Check3Chiffres_Click);
    connect(m_w.CheckMilliers, &QCheckBox::clicked, this, &frmOptions::CheckMilliers_Click);

    // The examples keep their French texts in both languages.
    QPalette orange = palette();
    orange.setColor(QPalette::WindowText, QColor(0xFF, 0x80, 0x00));
    const auto makeExample = [&](QRect place, const char16_t* text) {
        auto* label = new QLabel(QString::fromUtf16(text), this);
        label->setGeometry(place);
        label->setPalette(orange);
        return label;
    };
    m_w.Label4 = makeExample(twipsRect(480, 1320, 1455, 255), u"Exemple: 16,60");
    m_w.Label1 = makeExample(twipsRect(480, 2040, 1455, 255), u"Exemple: 16,603");
    m_w.Label5 = makeExample(twipsRect(480, 3240, 1815, 255), u"Exemple: 1 516,60");
    m_w.Quitter->raise();

    Form_Load();
}

void frmOptions::Form_Load()
{
    const QScopedValueRollback loading(m_loading, true);
    PlaceTopmost(this, 2850.0 / TwipsPerPixel, 4890.0 / TwipsPerPixel);
    m_w.Check2Chiffres->setCheckState(checkState(m_host.settings.G_2Chiffres));
    m_w.Check3Chiffres->setCheckState(checkState(m_host.settings.G_3Chiffres));
    m_w.CheckMilliers->setCheckState(checkState(m_host.settings.G_Milliers));
    // The background's width plus 30 twips, and its height.
    const QRect fond = m_w.ImgFond->geometry();
    resize(fond.width() + 2, fond.height());
    PlaceBeside(m_main, this);
    const bool french = m_host.settings.G_Langue == u"FR";
    m_w.Check2Chiffres->setText(french ? QStringLiteral("2 chiffres après la virgule")
                                       : QStringLiteral("2 decimal places"));
    m_w.Check3Chiffres->setText(french ? QStringLiteral("3 chiffres après la virgule")
                                       : QStringLiteral("3 decimal places"));
    m_w.CheckMilliers->setText(french ? QStringLiteral("Séparateur de milliers")
                                      : QStringLiteral("Space separator for unit of thousand"));
    m_w.Quitter->setAccessibleName(french ? QStringLiteral("Fermer") : QStringLiteral("Close"));
}

void frmOptions::exclusiveClick(QCheckBox* clicked, QCheckBox* other)
{
    if (m_loading)
        return;
    {
        const QScopedValueRollback loading(m_loading, true);
        other->setChecked(!clicked->isChecked());
    }
    save();
}

void frmOptions::Check2Chiffres_Click()
{
    exclusiveClick(m_w.Check2Chiffres, m_w.Check3Chiffres);
}

void frmOptions::Check3Chiffres_Click()
{
    exclusiveClick(m_w.Check3Chiffres, m_w.Check2Chiffres);
}

void frmOptions::CheckMilliers_Click()
{
    if (!m_loading)
        save();
}

void frmOptions::save()
{
    m_host.SaveParams(m_host.settings.G_Langue, checkValue(m_w.Check2Chiffres),
                      checkValue(m_w.Check3Chiffres), checkValue(m_w.CheckMilliers));
}

} // namespace talco
