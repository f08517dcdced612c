#include "app/tapecell.h"

#include "divers/files.h"
#include "files/tapefile.h"
#include "tape/tapemodel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

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
    // The menu is the tape's own: paste and copy go through the engine, never the field.
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

void TapeCell::setNote(const QString& note)
{
    if (m_note == note)
        return;
    m_note = note;
    setToolTip(note);
    update();
}

bool TapeCell::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && actions && actions->isShortcut &&
        actions->isShortcut(static_cast<QKeyEvent*>(event))) {
        // Left to the window, even where the field has a use for the key (Ctrl+E).
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TapeCell::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (m_note.isEmpty() || m_id.kind != CellKind::Nombre)
        return;
    // The note takes the room left of the figure, in a quieter colour and a smaller face.
    QFont f = font();
    f.setBold(false);
    f.setPointSizeF(std::max(6.0, f.pointSizeF() - 2));
    const int gap = fontMetrics().horizontalAdvance(u' ');
    const int figure = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + gap;
    const int room = width() - figure - 2 * gap;
    if (room < fontMetrics().averageCharWidth() * 2)
        return;
    QString line = m_note;
    line.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    QPainter painter(this);
    painter.setFont(f);
    painter.setPen(QColor(0x90, 0x90, 0x98));
    const QFontMetrics metrics(f);
    painter.drawText(QRect(gap, 0, room, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(line, Qt::ElideRight, room));
}

void TapeCell::contextMenuEvent(QContextMenuEvent* event)
{
    if (!actions)
        return;
    const bool english = actions->english && actions->english();
    QMenu menu(this);
    QAction* note = menu.addAction(QString::fromUtf16(u"Note\u2026"));
    note->setShortcut(QKeySequence(Qt::Key_F2));
    QAction* copy = menu.addAction(english ? QStringLiteral("Copy the tape")
                                           : QStringLiteral("Copier le ruban"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == note && actions->editNote)
        actions->editNote(m_id.row);
    else if (chosen == copy && actions->copyTape)
        actions->copyTape();
    done();
}

bool TapeCell::clipboardKey(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2 && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        if (actions && actions->editNote)
            actions->editNote(m_id.row);
    } else if (event->matches(QKeySequence::Copy)) {
        const auto [caret, length] = fieldCaret();
        m_tape.setCaret(m_id, caret, length);
        QGuiApplication::clipboard()->setText(CopyText(m_tape, m_id));
    } else if (event->matches(QKeySequence::Paste)) {
        paste(QGuiApplication::clipboard()->text());
    } else {
        return false;
    }
    event->accept();
    done();
    return true;
}

void TapeCell::paste(const QString& text)
{
    const auto [caret, length] = fieldCaret();
    m_tape.setCaret(m_id, caret, length);
    const PasteOutcome outcome = Paste(m_tape, m_id, text);
    if (actions && actions->pasted)
        actions->pasted(outcome);
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
    if (undoKey(event) || clipboardKey(event))
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
    if (event->button() == Qt::MiddleButton) {
        // The primary selection pastes as Ctrl+V does, never as raw text in the field.
        if (QGuiApplication::clipboard()->supportsSelection())
            paste(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        done();
        return;
    }
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
