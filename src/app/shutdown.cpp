#include "app/frmmain.h"

#include "app/autosave.h"
#include "app/messages.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace talco {

// The autosave, and the ways the window closes.

bool frmMain::Form_Unload(QString* error)
{
    return m_autosave->write(error);
}

void frmMain::terminate()
{
    Form_Unload();
    m_terminated = true;
    // Ends the main loop and every message box's loop, and keeps later ones from
    // starting, so that the program ends wherever it was.
    QCoreApplication::exit(0);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // A tape that could not be saved is not lost without the user's word: asked, the
    // user may stay and save it elsewhere. A signal or the end of the session ends the
    // program through terminate() instead, as nobody could answer.
    QString error;
    if (!Form_Unload(&error)) {
        const QString& autosave = m_autosave->path();
        if (!ask(Said(Say::CloseAnyway, m_settings.G_Langue, autosave,
                      Why(WriteFailure(autosave, error), m_settings.G_Langue)))) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace talco
