#include "app/frmmain.h"
#include "app/messages.h"
#include "app/tapeview.h"
#include "divers/files.h"
#include "files/tapetext.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>

namespace talco {

// The autosave, and the ways the window closes.

bool frmMain::Form_Unload(QString* error)
{
    if (!m_tapeLoaded)
        return true;
    const quint64 revision = m_tape.revision();
    const QString text = GetTapeText(m_tape);
    if (!WriteTextFile(dataFile(m_autosaveName), text, error))
        return false;
    m_savedRevision = revision;
    m_savedText = text;
    m_autosaveTimer->stop();
    return true;
}

void frmMain::autosaveSoon()
{
    if (m_tapeLoaded && m_tape.revision() != m_savedRevision)
        m_autosaveTimer->start(); // each change starts the wait again
}

void frmMain::autosaveNow()
{
    if (!m_tapeLoaded || m_tape.revision() == m_savedRevision)
        return;
    // Texts that came back to what was saved need no write.
    const QString text = GetTapeText(m_tape);
    if (text == m_savedText) {
        m_savedRevision = m_tape.revision();
        return;
    }
    // A failure is told at close, where the user can still save elsewhere; a message
    // every two seconds would only be in the way.
    Form_Unload();
}

void frmMain::closeQuietly()
{
    m_quietClose = true;
    close();
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
    // user may stay and save it elsewhere. A signal or the end of the session closes
    // anyway, as nobody could answer.
    QString error;
    if (!Form_Unload(&error) && !m_quietClose) {
        const QString autosave = dataFile(m_autosaveName);
        if (!ask(Said(Say::CloseAnyway, m_settings.G_Langue, autosave,
                      Why(WriteFailure(autosave, error), m_settings.G_Langue)))) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace talco
