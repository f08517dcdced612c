#pragma once

#include "tape/cell.h"
#include "tape/clipboard.h"

#include <QLineEdit>

#include <functional>
#include <utility>

namespace talco {

class TapeModel;

// What a cell asks of the window around it.
struct CellActions {
    std::function<void(int row)> editNote; // F2 and "Note…"
    std::function<void()> copyTape;        // "Copy the tape"
    std::function<void(const PasteOutcome&)> pasted;
    // Keys that the window's shortcuts take before the field sees them.
    std::function<bool(const QKeyEvent*)> isShortcut;
    std::function<bool()> english;
};

// One cell of the tape on screen. The engine owns the text, caret and focus order:
// character keys go to the engine's key handler and field contract, and only the
// keys that are not characters (arrows, Home, End, Delete) use the field's own
// editing, which is then reported back.
class TapeCell : public QLineEdit {
public:
    TapeCell(CellId id, TapeModel& tape, QWidget* parent);

    CellId id() const { return m_id; }
    // Shows the engine's caret and selection.
    void showCaret();
    // The row's note, drawn in the room the figure leaves (number cells) and as the
    // tooltip (both cells).
    void setNote(const QString& note);

    // Runs after every event passed to the engine, so the screen follows its state.
    std::function<void()> afterEvent;
    // True while the view redraws: focus moves the platform makes then (a focused cell
    // being hidden) are not the user's and are not passed on.
    const bool* viewSyncing = nullptr;
    const CellActions* actions = nullptr;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The field's own caret and selection length.
    std::pair<int, int> fieldCaret() const;
    // Ctrl+Z undoes and Ctrl+Shift+Z or Ctrl+Y redoes on the whole tape; true when the
    // key was one of them.
    bool undoKey(QKeyEvent* event);
    // Ctrl+C, Ctrl+V (and their other keys) and F2; true when the key was one of them.
    bool clipboardKey(QKeyEvent* event);
    void paste(const QString& text);
    void reportEdit();
    void done();
    // The focused cell's background is tinted: the caret blinks, and an empty cell's caret
    // sits at its far edge.
    void showFocus(bool focused);

    CellId m_id;
    TapeModel& m_tape;
    bool m_focusedByPress = false;
    bool m_pressed = false;
    QString m_note;
};

} // namespace talco
