#pragma once

// What the window adds around the tape: notes, copying the tape, the message after a
// paste, and the keyboard shortcuts of the keys and buttons that have no key of their own.

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QShortcut;

namespace talco {

class frmMain;
struct PasteOutcome;

class TapeActions {
public:
    using AskNote = std::function<std::optional<QString>(int row, const QString& note)>;
    using Tell = std::function<void(const QString&)>;

    // Makes the shortcuts on the window and hands the tape's cells their actions. askNote,
    // when set, stands in for the note editor.
    TapeActions(frmMain& window, AskNote askNote, Tell tell);

    // The buttons' tooltips name them with their keys.
    void applyTips(bool english);
    void editNote(int row);
    void copyTape();

private:
    void pasted(const PasteOutcome& outcome);
    bool english() const;

    frmMain& m_window;
    AskNote m_askNote;
    Tell m_tell;
    QList<QShortcut*> m_shortcuts;
};

} // namespace talco
