#include "app/mainwidgets.h"

#include "app/tapescrollbar.h"
#include "keypad/imagelist.h"
#include "keypad/keypadpanel.h"
#include "widgets/fittedlabel.h"
#include "widgets/picture.h"
#include "widgets/twips.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include <utility>

namespace talco {

namespace {

QFont menuFont(bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"),
                   QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(6.75);
    f.setBold(bold);
    return f;
}

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const QFont& font, const QColor& colour)
{
    auto* label = new Label(parent);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

void place(QWidget* widget, const TwipRect& r)
{
    widget->setGeometry(twipsToPixelsRect(r));
}

} // namespace

void MainWidgets::create(QWidget* window, ImageList& images, Keypad& keypad)
{
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, Qt::black);
    window->setPalette(dark);
    window->setAutoFillBackground(true);

    const auto background = [&](const char16_t* skin, Qt::CursorShape cursor) {
        auto* picture = new Picture(window);
        picture->setPicture(images.skin(QString::fromUtf16(skin)));
        picture->setCursor(cursor);
        return picture;
    };
    ImgBordHaut = background(u"bordhaut", Qt::SizeAllCursor);
    LabFondEcran = new QLabel(window);
    LabFondEcran->setAutoFillBackground(true);
    LabFondEcran->setPalette(dark);
    Ecran = new QWidget(window);
    ScrollV = new TapeScrollBar(window);
    for (auto [button, name] :
         {std::pair{&Ouvrir, u"ouvrir"}, std::pair{&Enregistrer, u"enregistrer"},
          std::pair{&Imprimer, u"imprimer"}}) {
        *button = new Picture(window);
        (*button)->setPicture(images.picture(QString::fromUtf16(name)));
        (*button)->setCursor(images.handCursor());
    }
    ImgClavier = background(u"clavier", Qt::SizeAllCursor);
    FrameClavier = new KeypadPanel(keypad, images, window);

    const QColor menuColour(0xE0, 0xE0, 0xE0);
    for (QLabel** label : {&LabOptions, &LabAbout, &LabAide}) {
        *label = makeLabel(window, menuFont(false), menuColour);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->setCursor(images.handCursor());
    }
    ImgBordBas = background(u"bordbas", Qt::SizeVerCursor);

    SiteKorvelsoft = makeLabel<FittedLabel>(window, menuFont(true), QColor(0xFF, 0x80, 0x00));
    SiteKorvelsoft->setText(QStringLiteral("www.korvelsoft.com"));
    SiteKorvelsoft->setAlignment(Qt::AlignCenter);
    SiteKorvelsoft->setCursor(Qt::SizeAllCursor);
    SiteKorvelsoft->setMouseTracking(true); // its moves reset a hovered key
    talco::place(SiteKorvelsoft, {840, 45, 1215, 255});

    // Over the title bar; they show their pressed picture while held.
    const struct {
        Picture* MainWidgets::*button;
        const char16_t* name;
        TwipRect place;
    } titleButtons[] = {
        {&MainWidgets::DrapeauFrancais, u"francais", {120, 45, 270, 270}},
        {&MainWidgets::DrapeauAnglais, u"anglais", {450, 45, 270, 270}},
        {&MainWidgets::Iconifier, u"iconifier", {2200, 40, 270, 270}},
        {&MainWidgets::Quitter, u"quitter", {2500, 40, 270, 270}},
    };
    for (const auto& b : titleButtons) {
        this->*b.button = MakePictureButton(images, QString::fromUtf16(b.name), window);
        talco::place(this->*b.button, b.place);
    }

    OptionFrancais = new QRadioButton(window);
    OptionAnglais = new QRadioButton(window);
    OptionFrancais->hide();
    OptionAnglais->hide();

    // The hint panels lie over the tape area.
    const struct {
        QFrame* MainWidgets::*frame;
        QLabel* MainWidgets::*text;
        TwipRect panel;
        TwipRect label;
    } hints[] = {
        {&MainWidgets::FrameAide1,
         &MainWidgets::LabMessAide1,
         {300, 1800, 1920, 855},
         {120, 120, 1695, 615}},
        {&MainWidgets::FrameAide2,
         &MainWidgets::LabMessAide2,
         {300, 2880, 1920, 855},
         {120, 240, 1695, 735}},
    };
    for (const auto& h : hints) {
        auto* frame = new QFrame(window);
        frame->setFrameShape(QFrame::Box);
        frame->setAutoFillBackground(true);
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, QColor(0x26, 0x26, 0x2C));
        p.setColor(QPalette::WindowText, QColor(0xFF, 0x80, 0x00));
        frame->setPalette(p);
        talco::place(frame, h.panel);
        QLabel* label = makeLabel(frame, menuFont(false), Qt::white);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        talco::place(label, h.label);
        frame->hide();
        this->*h.frame = frame;
        this->*h.text = label;
    }
}

void MainWidgets::place(const MainLayout& l) const
{
    const std::pair<QWidget*, TwipRect> parts[] = {
        {ImgBordHaut, l.ImgBordHaut},   {LabFondEcran, l.LabFondEcran},
        {ScrollV, l.ScrollV},           {Ecran, l.Ecran},
        {Imprimer, l.Imprimer},         {Ouvrir, l.Ouvrir},
        {Enregistrer, l.Enregistrer},   {ImgClavier, l.ImgClavier},
        {FrameClavier, l.FrameClavier}, {LabOptions, l.LabOptions},
        {LabAbout, l.LabAbout},         {LabAide, l.LabAide},
        {ImgBordBas, l.ImgBordBas},
    };
    for (const auto& [widget, rect] : parts)
        talco::place(widget, rect);
    // The pictures over the title bar and the tape stay above what was just placed.
    for (QWidget* w :
         std::initializer_list<QWidget*>{SiteKorvelsoft, DrapeauFrancais, DrapeauAnglais, Iconifier,
                                         Quitter, FrameAide1, FrameAide2})
        w->raise();
}

void MainWidgets::setTexts(bool english) const
{
    const struct {
        QLabel* label;
        const char16_t* fr;
        const char16_t* en;
    } texts[] = {
        {LabOptions, u"Options", u"Options"},
        {LabAbout, u"A propos", u"About"},
        {LabAide, u"Aide", u"Help"},
        {LabMessAide1, u"Ecrivez dans cette zone avec votre clavier numérique",
         u"Just change in this area with your numeric keyboard"},
        {LabMessAide2, u"Modifiez les valeurs; les résultats sont recalculés",
         u"Modify any figure to recalculate values"},
    };
    for (const auto& t : texts)
        t.label->setText(QString::fromUtf16(english ? t.en : t.fr));
}

} // namespace talco
