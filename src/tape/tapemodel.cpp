#include "tape/tapemodel.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace talco {

namespace {

int slot(CellId id)
{
    return id.row * 2 + (id.kind == CellKind::Nombre ? 1 : 0);
}

bool validRow(int row)
{
    return row >= 0 && row < TapeRowCount;
}

} // namespace

TapeModel::TapeModel(const Settings& settings, const QLocale& locale)
    : m_settings(settings), m_format(locale)
{
    // The look the cells have before any recalculation or arrangement.
    for (TapeRow& r : m_rows) {
        r.op.width = 375;
        r.nombre.left = 360;
        r.nombre.width = 1215;
    }
    setVisibleRows(14);
    m_changes = {};
    m_dirty.fill(0);
}

const Cell& TapeModel::cell(CellId id) const
{
    const TapeRow& r = m_rows[std::clamp(id.row, 0, LastRow)];
    return id.kind == CellKind::Op ? r.op : r.nombre;
}

Cell& TapeModel::cellRef(CellId id)
{
    TapeRow& r = m_rows[std::clamp(id.row, 0, LastRow)];
    return id.kind == CellKind::Op ? r.op : r.nombre;
}

void TapeModel::markCell(CellId id, unsigned what)
{
    if ((what & (TapeChanges::Text | TapeChanges::Look)) && id.row < m_settledRows)
        m_settledRows = id.row;
    if (what & TapeChanges::Text)
        ++m_revision;
    unsigned& bits = m_dirty[slot(id)];
    if (bits == 0)
        m_changes.cells.push_back({id, 0});
    bits |= what;
}

TapeChanges TapeModel::takeChanges()
{
    TapeChanges out = std::move(m_changes);
    for (TapeChanges::Entry& e : out.cells) {
        e.what = m_dirty[slot(e.cell)];
        m_dirty[slot(e.cell)] = 0;
    }
    m_changes = {};
    return out;
}

// ---- cell writers ------------------------------------------------------------

void TapeModel::setText(CellId id, const QString& text)
{
    if (!validRow(id.row))
        return;
    Cell& c = cellRef(id);
    if (c.text == text)
        return;
    recordText(id, c);
    c.text = text;
    c.caret = 0;
    c.selLength = 0;
    markCell(id, TapeChanges::Text | TapeChanges::Caret);
    runChangeHandler(id);
}

void TapeModel::setNote(int row, const QString& text)
{
    if (!validRow(row))
        return;
    QString cut = text;
    if (cut.size() > MaxNoteLength) {
        // Counted in characters, so that a character outside the basic plane is never
        // cut in half.
        qsizetype end = 0;
        for (int n = 0; n < MaxNoteLength && end < cut.size(); ++n)
            end += cut[end].isHighSurrogate() && end + 1 < cut.size() ? 2 : 1;
        cut.truncate(end);
    }
    QString& note = m_rows[row].note;
    if (note == cut)
        return;
    m_history.recordNote(row, note);
    note = cut;
    ++m_revision;
    markCell(CellId::Nombre(row), TapeChanges::Note);
}

void TapeModel::editNote(int row, const QString& text)
{
    Handler scope(*this);
    setNote(row, text);
}

void TapeModel::setCaret(CellId id, int caret, int selLength)
{
    if (!validRow(id.row))
        return;
    Cell& c = cellRef(id);
    const int size = int(c.text.size());
    caret = std::clamp(caret, 0, size);
    selLength = std::clamp(selLength, 0, size - caret);
    if (c.caret == caret && c.selLength == selLength)
        return;
    c.caret = caret;
    c.selLength = selLength;
    markCell(id, TapeChanges::Caret);
}

template <typename T> void TapeModel::setLook(CellId id, T Cell::*field, T value)
{
    Cell& c = cellRef(id);
    if (c.*field == value)
        return;
    c.*field = value;
    markCell(id, TapeChanges::Look);
}

void TapeModel::setColour(CellId id, Colour colour)
{
    setLook(id, &Cell::colour, colour);
}

void TapeModel::setBold(CellId id, bool bold)
{
    setLook(id, &Cell::bold, bold);
}

void TapeModel::setFontSize(CellId id, int points)
{
    setLook(id, &Cell::fontSize, points);
}

void TapeModel::runChangeHandler(CellId id)
{
    if (id.kind == CellKind::Op)
        Op_Change(id.row);
    else
        Nombre_Change(id.row);
}

// ---- the one-line field contract ----------------------------------------------

void TapeModel::applyFieldKey(CellId id, char16_t key)
{
    Cell& c = cellRef(id);
    const int caret = std::clamp(c.caret, 0, int(c.text.size()));
    const int sel = std::clamp(c.selLength, 0, int(c.text.size()) - caret);
    QString text = c.text;
    int newCaret = caret;
    if (key == 8) {
        if (sel > 0) {
            text.remove(caret, sel);
        } else if (caret > 0) {
            text.remove(caret - 1, 1);
            newCaret = caret - 1;
        } else {
            return;
        }
    } else if (key < 32 || key == 127) {
        return; // Enter and other control characters insert nothing
    } else {
        text.replace(caret, sel, QChar(key));
        newCaret = caret + 1;
    }
    if (text == c.text) {
        setCaret(id, newCaret, 0);
        return;
    }
    // The field updates its text and caret first, then reports the change.
    recordText(id, c);
    c.text = text;
    c.caret = newCaret;
    c.selLength = 0;
    markCell(id, TapeChanges::Text | TapeChanges::Caret);
    runChangeHandler(id);
}

// ---- focus --------------------------------------------------------------------

void TapeModel::setFocus(CellId id)
{
    if (!validRow(id.row))
        return;
    m_pendingFocus.push_back(id);
    if (m_handlerDepth == 0)
        drainFocus();
}

void TapeModel::drainFocus()
{
    if (m_draining)
        return;
    const QScopedValueRollback draining(m_draining, true);
    // A focus handler may itself ask for the focus; those requests join the queue.
    for (std::size_t i = 0; i < m_pendingFocus.size(); ++i) {
        const CellId target = m_pendingFocus[i];
        if (m_focused == target)
            continue;
        m_focused = target;
        ++m_focusMoves;
        m_changes.focus = true;
        Handler scope(*this);
        if (target.kind == CellKind::Op)
            Op_GotFocus(target.row);
        else
            Nombre_GotFocus(target.row);
    }
    m_pendingFocus.clear();
}

TapeModel::Handler::Handler(TapeModel& model) : m_model(model)
{
    if (m_model.m_handlerDepth++ == 0 && !m_model.m_replaying && !m_model.m_history.isOpen()) {
        m_model.m_history.open(m_model.caretPlace(), m_model.m_focusMoves);
        m_model.m_typingIn.reset();
        m_opened = true;
    }
}

TapeModel::Handler::~Handler()
{
    if (--m_model.m_handlerDepth == 0 && !m_model.m_pendingFocus.empty())
        m_model.drainFocus();
    // The step closes once the focus has moved, so that redo puts it where it went.
    if (m_opened) {
        m_model.m_history.close(m_model.caretPlace(), m_model.m_typingIn, m_model.m_focusMoves,
                                [this](const HistoryStep::Text& t) {
                                    return t.note ? m_model.note(t.cell.row)
                                                  : m_model.cell(t.cell).text;
                                });
    }
}

CaretPlace TapeModel::caretPlace() const
{
    CaretPlace place;
    place.focus = m_focused;
    if (m_focused) {
        place.caret = cell(*m_focused).caret;
        place.selLength = cell(*m_focused).selLength;
    }
    return place;
}

// ---- undo and redo ----------------------------------------------------------------

bool TapeModel::undo()
{
    return replay(m_history.takeUndo(), false);
}

bool TapeModel::redo()
{
    return replay(m_history.takeRedo(), true);
}

bool TapeModel::replay(const HistoryStep* step, bool forward)
{
    if (!step)
        return false;
    // Keys typed after an undo or a redo start a step of their own.
    ++m_focusMoves;
    const CaretPlace place = forward ? step->placeAfter : step->placeBefore;
    {
        // Declared before the handler, so that the focus it moves on its way out is not
        // recorded either.
        const QScopedValueRollback replaying(m_replaying, true);
        Handler scope(*this);
        // The texts go back in one go, then one pass works out what follows from them.
        {
            const QScopedValueRollback busy(m_entry.Busy, true);
            for (const HistoryStep::Text& t : step->texts) {
                const QString& text = forward ? t.after : t.before;
                if (t.note)
                    setNote(t.cell.row, text);
                else
                    setText(t.cell, text);
            }
        }
        Recalculate(false);
        if (place.focus) {
            bringIntoView(place.focus->row);
            setFocus(*place.focus);
        }
    }
    if (place.focus)
        setCaret(*place.focus, place.caret, place.selLength);
    return true;
}

// ---- events from the window -----------------------------------------------------

void TapeModel::typeKey(CellId id, char16_t key)
{
    if (!validRow(id.row))
        return;
    Handler scope(*this);
    if (id.kind == CellKind::Op)
        Op_KeyPress(id.row, key);
    else
        Nombre_KeyPress(id.row, key);
    if (key == 8 || key >= 32)
        markTyping(id);
    if (key != 0)
        applyFieldKey(id, key);
}

void TapeModel::editField(CellId id, const QString& text, int caret, int selLength)
{
    if (!validRow(id.row))
        return;
    Handler scope(*this);
    Cell& c = cellRef(id);
    markTyping(id);
    if (c.text != text) {
        recordText(id, c);
        c.text = text;
        c.caret = std::clamp(caret, 0, int(text.size()));
        c.selLength = std::clamp(selLength, 0, int(text.size()) - c.caret);
        markCell(id, TapeChanges::Text | TapeChanges::Caret);
        runChangeHandler(id);
    } else {
        setCaret(id, caret, selLength);
    }
}

void TapeModel::focusIn(CellId id)
{
    if (!validRow(id.row))
        return;
    Handler scope(*this);
    setFocus(id);
}

void TapeModel::click(CellId id)
{
    if (!validRow(id.row))
        return;
    Handler scope(*this);
    if (id.kind == CellKind::Op)
        Op_Click(id.row);
    else
        Nombre_Click(id.row);
}

// ---- whole-tape operations --------------------------------------------------------

void TapeModel::loadRows(const std::vector<RowTexts>& rows, bool quietly)
{
    Handler scope(*this);
    const QScopedValueRollback busy(m_entry.Busy, quietly || m_entry.Busy);
    for (const RowTexts& r : rows) {
        setText(CellId::Op(r.row), r.op);
        setText(CellId::Nombre(r.row), r.nombre);
        setNote(r.row, r.note);
    }
}

void TapeModel::clear()
{
    Handler scope(*this);
    HideHints();
    {
        // Emptied in one go and recalculated once: the end state is the same as one
        // recalculation per emptied cell.
        const QScopedValueRollback busy(m_entry.Busy, true);
        for (int i = 0; i < TapeRowCount; ++i) {
            setText(CellId::Op(i), QString());
            setText(CellId::Nombre(i), QString());
            setNote(i, QString());
        }
    }
    Recalculate(false);
    setScrollPosition(0);
    setProxyRow(1);
    ArrangeRows(0);
    setFocus(CellId::Nombre(0));
}

void TapeModel::writeSample()
{
    Handler scope(*this);
    const QScopedValueRollback busy(m_entry.Busy, true);
    showHints();
    // Written with the regional decimal separator, so that they read as the same
    // figures under any regional settings.
    const QChar sep = m_format.decimalPoint();
    const auto figure = [sep](const char16_t* t) {
        return QString::fromUtf16(t).replace(u',', sep);
    };
    setText(CellId::Nombre(0), figure(u"13896,78"));
    setText(CellId::Nombre(1), figure(u"756,00"));
    setText(CellId::Nombre(2), figure(u"1256,25"));
    setText(CellId::Op(1), QStringLiteral("+"));
    setText(CellId::Op(2), QStringLiteral("+"));
    setText(CellId::Op(3), QStringLiteral("="));
}

void TapeModel::typeOperator(char16_t op)
{
    Handler scope(*this);
    while (m_entry.CurrentRow + 1 > LastRow - 3) {
        char16_t none = 0;
        ShiftTapeUp(m_entry.CurrentRow, none);
        m_entry.CurrentRow -= 3; // the focus handler that would say so runs later
    }
    Nombre_KeyPress(m_entry.CurrentRow, op);
}

// ---- hints ----------------------------------------------------------------------

void TapeModel::HideHints()
{
    if (!m_hintsVisible)
        return;
    m_hintsVisible = false;
    m_changes.hints = true;
}

void TapeModel::showHints()
{
    if (m_hintsVisible)
        return;
    m_hintsVisible = true;
    m_changes.hints = true;
}

} // namespace talco
