#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace talco {

class TapeModel;

// The tape written to its file a short while after each change, so that a crash or a
// power cut loses seconds of work at most, and once more at exit.
class Autosave : public QObject {
public:
    Autosave(const TapeModel& tape, int delayMs, QObject* parent = nullptr);

    // From now on the tape goes to path; as it stands, it needs no write. Nothing is
    // written before: the tape of the last session is not in place yet.
    void start(const QString& path);
    const QString& path() const { return m_path; }

    // After a change of the tape's texts: each one starts the wait again.
    void soon();
    // Writes the tape now; true when it was written, or there was nowhere to write yet.
    bool write(QString* error = nullptr);

private:
    void due();
    bool store(const QString& text, QString* error);

    const TapeModel& m_tape;
    QString m_path;
    QTimer m_timer;
    quint64 m_savedRevision = 0;
    QString m_savedText;
};

} // namespace talco
