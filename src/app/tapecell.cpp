#include "app/tapecell.h"

#include "divers/files.h"
#include "tape/tapemodel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace talco {

namespace {

constexpr int MaxCellLength = int(MaxTapeFileSize);

} // namespace

TapeCell::TapeCell(CellId id, TapeModel& tape, QWidget* parent)
    : QLineEdit(parent), m_id(id), m_tape(tape)
{
    setFrame(false);
    setMaxLength(MaxCellLength); // a cell shows all a tape file can hold, not 32767 characters
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu); // paste goes through the key handler only
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
}

void TapeCell::showCaret()
{
    const Cell& c = m_tape.cell(m_id);
    if (c.selLength > 0)
        setSelection(c.caret, c.selLength);
    else
        setCursorPosition(c.caret);
}

void TapeCell::done()
{
    if (afterEvent)
        afterEvent();
}

std::pair<int, int> TapeCell::fieldCaret() const
{
    if (!hasSelectedText())
        return {cursorPosition(), 0};
    return {selectionStart(), int(selectedText().size())};
}

void TapeCell::reportEdit()
{
    const auto [caret, length] = fieldCaret();
    m_tape.editField(m_id, text(), caret, length);
    done();
}

bool TapeCell::undoKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool redo =
        event->matches(QKeySequence::Redo) ||
        (event->key() == Qt::Key_Y && mods == Qt::ControlModifier) ||
        (event->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier));
    const bool undo = !redo && (event->matches(QKeySequence::Undo) ||
                                (event->key() == Qt::Key_Z && mods == Qt::ControlModifier));
    if (!undo && !redo)
        return false;
    // The tape's history, never the field's own: that one knows only this cell.
    if (undo)
        m_tape.undo();
    else
        m_tape.redo();
    event->accept();
    done();
    return true;
}

void TapeCell::keyPressEvent(QKeyEvent* event)
{
    if (undoKey(event))
        return;
    const QString typed = event->text();
    const int key = event->key();
    const bool navigation =
        key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete || typed.size() != 1;
    if (navigation) {
        QLineEdit::keyPressEvent(event);
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
            reportEdit();
        return;
    }
    // Keep the engine's caret in step with the field before the key lands.
    const auto [caret, length] = fieldCaret();
    m_tape.setCaret(m_id, caret, length);
    m_tape.typeKey(m_id, typed.front().unicode());
    event->accept();
    done();
}

void TapeCell::showFocus(bool focused)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, focused ? QColor(0x20, 0x30, 0x48)
                                       : parentWidget()->palette().color(QPalette::Base));
    setPalette(p);
}

void TapeCell::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    showFocus(true);
    if (viewSyncing && *viewSyncing)
        return;
    m_focusedByPress = event->reason() == Qt::MouseFocusReason;
    m_tape.focusIn(m_id);
    done();
}

void TapeCell::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    showFocus(false);
}

void TapeCell::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    QLineEdit::mousePressEvent(event);
    if (m_focusedByPress) {
        // The focus handler's selection wins over the place of the click, as it runs
        // after the press.
        m_focusedByPress = false;
        showCaret();
        done();
        return;
    }
    reportEdit();
}

void TapeCell::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton)
        reportEdit();
}

void TapeCell::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_pressed && rect().contains(event->position().toPoint())) {
        m_pressed = false;
        m_tape.click(m_id);
        done();
    }
    m_pressed = false;
}

void TapeCell::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    reportEdit();
}

} // namespace talco
