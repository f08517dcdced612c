#include "app/frmmain.h"

#include "app/accessibility.h"
#include "app/autosave.h"
#include "app/messages.h"
#include "app/tapeactions.h"
#include "app/tapescrollbar.h"
#include "app/tapeview.h"
#include "divers/files.h"
#include "files/starttape.h"
#include "files/tapefile.h"
#include "files/tapetext.h"
#include "keypad/imagelist.h"
#include "keypad/keypadpanel.h"
#include "settings/params.h"
#include "widgets/fittedlabel.h"
#include "widgets/picture.h"
#include "widgets/placement.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>

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

} // namespace

frmMain::frmMain(const AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_context(context), m_tape(m_settings, context.locale), m_keypad(m_tape),
      m_clavierHeight(ClavierDesignedHeight)
{
    setWindowTitle(QStringLiteral("Talco"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    InstallAccessibility();
    m_images = new ImageList(this);
    createWidgets();
    m_view = std::make_unique<TapeView>(m_tape, m_w.Ecran, m_w.ScrollV);
    connect(m_view.get(), &TapeView::hintsChanged, this, &frmMain::showHints);
    m_autosave = new Autosave(m_tape, context.autosaveDelayMs, this);
    connect(m_view.get(), &TapeView::textsChanged, m_autosave, &Autosave::soon);
    m_actions = std::make_unique<TapeActions>(*this, context.askNote,
                                              [this](const QString& text) { message(text); });
    m_w.FrameClavier->afterAction = [this] { m_view->sync(); };
    // A height below the minimum is never asked for; a drag stops at it.
    setMinimumHeight((MainMinHeight + TwipsPerPixel - 1) / TwipsPerPixel);
}

frmMain::~frmMain() = default;

QString frmMain::dataFile(const QString& name) const
{
    return m_context.dataFolder + u'/' + name;
}

void frmMain::place(QWidget* widget, const TwipRect& r)
{
    widget->setGeometry(twipsToPixelsRect(r));
}

void frmMain::createWidgets()
{
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);

    m_w.ImgBordHaut = new Picture(this);
    m_w.ImgBordHaut->setPicture(m_images->skin(QStringLiteral("bordhaut")));
    m_w.ImgBordHaut->setCursor(Qt::SizeAllCursor);

    m_w.LabFondEcran = new QLabel(this);
    m_w.LabFondEcran->setAutoFillBackground(true);
    m_w.LabFondEcran->setPalette(dark);

    m_w.Ecran = new QWidget(this);
    m_w.ScrollV = new TapeScrollBar(this);

    m_w.Ouvrir = new Picture(this);
    m_w.Enregistrer = new Picture(this);
    m_w.Imprimer = new Picture(this);
    m_w.Ouvrir->setPicture(m_images->picture(QStringLiteral("ouvrir")));
    m_w.Enregistrer->setPicture(m_images->picture(QStringLiteral("enregistrer")));
    m_w.Imprimer->setPicture(m_images->picture(QStringLiteral("imprimer")));
    for (Picture* button : {m_w.Ouvrir, m_w.Enregistrer, m_w.Imprimer})
        button->setCursor(m_images->handCursor());
    connect(m_w.Ouvrir, &Picture::clicked, this, &frmMain::Ouvrir_Click);
    connect(m_w.Enregistrer, &Picture::clicked, this, &frmMain::Enregistrer_Click);
    connect(m_w.Imprimer, &Picture::clicked, this, &frmMain::Imprimer_Click);

    m_w.ImgClavier = new Picture(this);
    m_w.ImgClavier->setPicture(m_images->skin(QStringLiteral("clavier")));
    m_w.ImgClavier->setCursor(Qt::SizeAllCursor);
    m_w.FrameClavier = new KeypadPanel(m_keypad, *m_images, this);

    const QColor menuColour(0xE0, 0xE0, 0xE0);
    m_w.LabOptions = makeLabel(this, menuFont(false), menuColour);
    m_w.LabAbout = makeLabel(this, menuFont(false), menuColour);
    m_w.LabAide = makeLabel(this, menuFont(false), menuColour);
    for (QLabel* label : {m_w.LabOptions, m_w.LabAbout, m_w.LabAide}) {
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(m_images->handCursor());
        label->installEventFilter(this);
    }

    m_w.ImgBordBas = new Picture(this);
    m_w.ImgBordBas->setPicture(m_images->skin(QStringLiteral("bordbas")));
    m_w.ImgBordBas->setCursor(Qt::SizeVerCursor);
    connect(m_w.ImgBordBas, &Picture::mouseDown, this, &frmMain::ImgBordBas_MouseDown);
    connect(m_w.ImgBordBas, &Picture::mouseMove, this, &frmMain::ImgBordBas_MouseMove);
    connect(m_w.ImgBordBas, &Picture::mouseUp, this, &frmMain::ImgBordBas_MouseUp);

    m_w.SiteKorvelsoft = makeLabel<FittedLabel>(this, menuFont(true), QColor(0xFF, 0x80, 0x00));
    m_w.SiteKorvelsoft->setText(QStringLiteral("www.korvelsoft.com"));
    m_w.SiteKorvelsoft->setAlignment(Qt::AlignCenter);
    m_w.SiteKorvelsoft->setCursor(Qt::SizeAllCursor);
    m_w.SiteKorvelsoft->setMouseTracking(true); // its moves reset a hovered key
    place(m_w.SiteKorvelsoft, {840, 45, 1215, 255});

    createChrome();

    // The hint panels lie over the tape area.
    const TwipRect panels[2] = {{300, 1800, 1920, 855}, {300, 2880, 1920, 855}};
    const TwipRect labels[2] = {{120, 120, 1695, 615}, {120, 240, 1695, 735}};
    QFrame** frames[2] = {&m_w.FrameAide1, &m_w.FrameAide2};
    QLabel** texts[2] = {&m_w.LabMessAide1, &m_w.LabMessAide2};
    for (int i = 0; i < 2; ++i) {
        auto* frame = new QFrame(this);
        frame->setFrameShape(QFrame::Box);
        frame->setAutoFillBackground(true);
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, QColor(0x26, 0x26, 0x2C));
        p.setColor(QPalette::WindowText, QColor(0xFF, 0x80, 0x00));
        frame->setPalette(p);
        place(frame, panels[i]);
        QLabel* label = makeLabel(frame, menuFont(false), Qt::white);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(label, labels[i]);
        *frames[i] = frame;
        *texts[i] = label;
        frame->hide();
        frame->installEventFilter(this);
        label->installEventFilter(this);
    }
}

// ---- start-up and shutdown ------------------------------------------------------

void frmMain::Form_Load()
{
    const QScopedValueRollback loading(m_loading, true);
    m_resizing = false;

    // Each size change lays the window out at once, as on screen; a window not yet
    // shown gets its resize events only when shown, so the layout is run here.
    resize(twipsToPixels(MainWidth), height());
    Form_Resize();
    resize(width(), twipsToPixels(MainStartHeight));
    Form_Resize();
    PlaceTopmost(this, double(pixelsToTwips(width())) / TwipsPerPixel,
                 double(pixelsToTwips(height()) + 30) / TwipsPerPixel);

    if (!GetParams(dataFile(QStringLiteral("params.txt")), m_settings, m_context.locale))
        message(Said(Say::SettingsUnreadable, m_settings.G_Langue,
                     dataFile(QStringLiteral("params.txt"))));
    m_tape.setSettings(m_settings);
    if (m_settings.G_Langue == u"EN")
        m_w.OptionAnglais->setChecked(true);
    else
        m_w.OptionFrancais->setChecked(true);
    ApplyLanguage();

    const QString ecran = dataFile(QStringLiteral("ecran.txt"));
    const StartTape start = LoadStartTape(m_tape, ecran, G_FichierIn);
    // The last tape stays in a file that could not be read: this session's goes beside it.
    m_autosave->start(start.autosaveUnreadable ? dataFile(QStringLiteral("ecran-nouveau.txt"))
                                               : ecran);
    m_view->syncAll();
    const QString& langue = m_settings.G_Langue;
    if (start.autosaveUnreadable) {
        message(Said(Say::CannotOpen, langue, ecran, Why(start.autosaveError, langue)));
        message(Said(Say::LastTapeLeft, langue, ecran, m_autosave->path()));
    }
    if (start.fileUnreadable)
        message(Said(Say::CannotOpen, langue, G_FichierIn, Why(start.fileError, langue)));
}

bool frmMain::readTape(const QString& path, QString& text)
{
    FileError error;
    if (ReadTapeFile(path, text, &error))
        return true;
    message(Said(Say::CannotOpen, m_settings.G_Langue, path, Why(error, m_settings.G_Langue)));
    return false;
}

void frmMain::message(const QString& text)
{
    if (m_context.tell) {
        m_context.tell(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Attention"), text, QMessageBox::Ok, this);
    box.exec();
}

bool frmMain::ask(const QString& question)
{
    if (m_context.ask)
        return m_context.ask(question);
    return QMessageBox::warning(this, QStringLiteral("Attention"), question,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

// ---- layout -----------------------------------------------------------------------

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring from the minimised state lays the window out again.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const int W = pixelsToTwips(width());
    const int H = pixelsToTwips(height());
    if (H < MainMinHeight) {
        resize(width(), (MainMinHeight + TwipsPerPixel - 1) / TwipsPerPixel);
        return;
    }
    const MainLayout l = ComputeLayout(W, H, m_clavierHeight);
    m_clavierHeight = l.ImgClavier.height;
    const std::pair<QWidget*, TwipRect> parts[] = {
        {m_w.ImgBordHaut, l.ImgBordHaut},   {m_w.LabFondEcran, l.LabFondEcran},
        {m_w.ScrollV, l.ScrollV},           {m_w.Ecran, l.Ecran},
        {m_w.Imprimer, l.Imprimer},         {m_w.Ouvrir, l.Ouvrir},
        {m_w.Enregistrer, l.Enregistrer},   {m_w.ImgClavier, l.ImgClavier},
        {m_w.FrameClavier, l.FrameClavier}, {m_w.LabOptions, l.LabOptions},
        {m_w.LabAbout, l.LabAbout},         {m_w.LabAide, l.LabAide},
        {m_w.ImgBordBas, l.ImgBordBas},
    };
    for (const auto& [widget, rect] : parts)
        place(widget, rect);
    // The pictures over the title bar and the tape stay above what was just placed.
    m_w.SiteKorvelsoft->raise();
    for (Picture* p : {m_w.DrapeauFrancais, m_w.DrapeauAnglais, m_w.Iconifier, m_w.Quitter})
        p->raise();
    m_w.FrameAide1->raise();
    m_w.FrameAide2->raise();

    m_tape.layoutTapeArea(l.Ecran.height);
    m_view->sync();
}

// ---- hints and language -----------------------------------------------------------

void frmMain::HideHints()
{
    m_tape.HideHints();
    m_view->sync();
}

void frmMain::showHints(bool visible)
{
    m_w.FrameAide1->setVisible(visible);
    m_w.FrameAide2->setVisible(visible);
}

void frmMain::ApplyLanguage()
{
    ApplyAccessibleTexts(*this);
    struct Text {
        QLabel* Widgets::*label;
        const char16_t* fr;
        const char16_t* en;
    };
    static const Text texts[] = {
        {&Widgets::LabOptions, u"Options", u"Options"},
        {&Widgets::LabAbout, u"A propos", u"About"},
        {&Widgets::LabAide, u"Aide", u"Help"},
        {&Widgets::LabMessAide1, u"Ecrivez dans cette zone avec votre clavier numérique",
         u"Just change in this area with your numeric keyboard"},
        {&Widgets::LabMessAide2, u"Modifiez les valeurs; les résultats sont recalculés",
         u"Modify any figure to recalculate values"},
    };
    const bool english = m_settings.G_Langue == u"EN";
    for (const Text& t : texts)
        (m_w.*t.label)->setText(QString::fromUtf16(english ? t.en : t.fr));
    // The buttons' tooltips name them with their keys.
    m_actions->applyTips(english);
}

} // namespace talco
