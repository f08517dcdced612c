// The menu labels (options, about, help), printing, and the settings they change.

#include "app/frmmain.h"
#include "app/messages.h"
#include "app/tapeview.h"
#include "divers/files.h"
#include "divers/shell.h"
#include "files/ticket.h"
#include "files/ticketbrowser.h"
#include "keypad/imagelist.h"
#include "settings/frmoptions.h"
#include "settings/params.h"
#include "widgets/beside.h"
#include "windows/frmabout.h"
#include "windows/frmaide.h"

#include <QLabel>

namespace talco {

void frmMain::SaveParams(const QString& langue, const QString& les2chiffres,
                         const QString& les3chiffres, const QString& milliers)
{
    QString error;
    const QString path = dataFile(QStringLiteral("params.txt"));
    const bool saved =
        talco::SaveParams(m_settings, path, langue, les2chiffres, les3chiffres, milliers, &error);
    // The next pass formats with them, as it always has.
    m_tape.setSettings(m_settings);
    if (!saved)
        message(Said(Say::CannotSaveSettings, m_settings.G_Langue, path,
                     Why(WriteFailure(path, error), m_settings.G_Langue)));
}

void frmMain::LabOptions_Click()
{
    if (!m_options) {
        OptionsHost host{m_settings,
                         [this](const QString& l, const QString& a, const QString& b,
                                const QString& c) { SaveParams(l, a, b, c); },
                         *m_images};
        m_options = new frmOptions(this, host);
    }
    m_options->Initialisation(m_settings.G_Langue);
    ShowBeside(this, m_options);
}

void frmMain::LabAbout_Click()
{
    if (!m_about) {
        m_about = new frmAbout(this, *m_images, m_settings.G_Langue, [this] { openMakerSite(); });
    }
    m_about->Initialisation(m_settings.G_Langue);
    ShowBeside(this, m_about);
}

void frmMain::openMakerSite()
{
    if (m_context.openSite) {
        m_context.openSite();
        return;
    }
    OpenMakerSite(m_context.dataFolder, m_settings.G_Langue,
                  [this](const QString& text) { message(text); });
}

void frmMain::LabAide_Click()
{
    const bool loading = !m_aide;
    if (loading)
        m_aide = new frmAide(this, ProgramFileFolders());
    m_aide->Initialisation(m_settings.G_Langue);
    if (loading)
        m_aide->Form_Load();
    ShowBeside(this, m_aide);
}

void frmMain::Imprimer_Click()
{
    HideHints();
    m_printer->print(dataFile(QStringLiteral("ticket.htm")), BuildTicket(m_tape));
}

bool frmMain::printPending() const
{
    return m_printer->pending();
}

} // namespace talco
