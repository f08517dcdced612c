#include "app/frmmain.h"

#include "app/accessibility.h"
#include "app/autosave.h"
#include "app/messages.h"
#include "app/tapeactions.h"
#include "app/tapeview.h"
#include "files/starttape.h"
#include "files/tapefile.h"
#include "files/ticketbrowser.h"
#include "keypad/imagelist.h"
#include "keypad/keypadpanel.h"
#include "settings/params.h"
#include "widgets/picture.h"
#include "widgets/placement.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace talco {

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
    m_printer = new TicketPrinter(this, [this](const QString& text) { message(text); });
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

void frmMain::createWidgets()
{
    m_w.create(this, *m_images, m_keypad);
    connect(m_w.Ouvrir, &Picture::clicked, this, &frmMain::Ouvrir_Click);
    connect(m_w.Enregistrer, &Picture::clicked, this, &frmMain::Enregistrer_Click);
    connect(m_w.Imprimer, &Picture::clicked, this, &frmMain::Imprimer_Click);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_w.LabOptions, m_w.LabAbout, m_w.LabAide, m_w.FrameAide1,
                                         m_w.FrameAide2, m_w.LabMessAide1, m_w.LabMessAide2})
        w->installEventFilter(this);
    createChrome();
}

// ---- start-up and shutdown ------------------------------------------------------

void frmMain::Form_Load()
{
    const QScopedValueRollback loading(m_loading, true);

    // Each size change lays the window out at once, as on screen; a window not yet
    // shown gets its resize events only when shown, so the layout is run here.
    resize(twipsToPixels(MainWidth), height());
    Form_Resize();
    resize(width(), twipsToPixels(MainStartHeight));
    Form_Resize();
    PlaceTopmost(this, double(pixelsToTwips(width())) / TwipsPerPixel,
                 double(pixelsToTwips(height()) + 30) / TwipsPerPixel);

    // What went wrong is told once the tape is in place: the window is shown, whole,
    // under the first message.
    QStringList said;
    if (!GetParams(dataFile(QStringLiteral("params.txt")), m_settings, m_context.locale))
        said << Said(Say::SettingsUnreadable, m_settings.G_Langue,
                     dataFile(QStringLiteral("params.txt")));
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
        said << Said(Say::CannotOpen, langue, ecran, Why(start.autosaveError, langue));
        said << Said(Say::LastTapeLeft, langue, ecran, m_autosave->path());
    }
    if (start.fileUnreadable)
        said << Said(Say::CannotOpen, langue, G_FichierIn, Why(start.fileError, langue));
    for (const QString& text : said)
        message(text);
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
    // A box at start-up stands over the window, not alone.
    if (!isVisible())
        ShowPlaced(this);
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
    m_w.place(l);

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
    const bool english = m_settings.G_Langue == u"EN";
    m_w.setTexts(english);
    // The buttons' tooltips name them with their keys.
    m_actions->applyTips(english);
}

} // namespace talco
