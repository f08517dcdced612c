#include "app/autosave.h"

#include "divers/files.h"
#include "files/tapetext.h"
#include "tape/tapemodel.h"

namespace talco {

Autosave::Autosave(const TapeModel& tape, int delayMs, QObject* parent)
    : QObject(parent), m_tape(tape)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    connect(&m_timer, &QTimer::timeout, this, &Autosave::due);
}

void Autosave::start(const QString& path)
{
    m_path = path;
    m_savedRevision = m_tape.revision();
}

void Autosave::soon()
{
    if (!m_path.isEmpty() && m_tape.revision() != m_savedRevision)
        m_timer.start();
}

bool Autosave::write(QString* error)
{
    return m_path.isEmpty() || store(GetTapeText(m_tape), error);
}

bool Autosave::store(const QString& text, QString* error)
{
    const quint64 revision = m_tape.revision();
    if (!WriteTextFile(m_path, text, error))
        return false;
    m_savedRevision = revision;
    m_savedText = text;
    m_timer.stop();
    return true;
}

void Autosave::due()
{
    if (m_path.isEmpty() || m_tape.revision() == m_savedRevision)
        return;
    const QString text = GetTapeText(m_tape);
    // Texts that came back to what was saved need no write.
    if (text == m_savedText) {
        m_savedRevision = m_tape.revision();
        return;
    }
    // A failure is told at close, where the user can still save elsewhere; a message
    // every two seconds would only be in the way.
    store(text, nullptr);
}

} // namespace talco
