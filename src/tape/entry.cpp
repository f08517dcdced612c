// The cells' key, change, focus and click handlers, and the tape shift.

#include "tape/tapemodel.h"

#include <QScopedValueRollback>

namespace talco {

namespace {

bool isOperatorKey(char16_t key)
{
    return key == u'-' || key == u'+' || key == u'*' || key == u'/' || key == u'=';
}

} // namespace

void TapeModel::Nombre_KeyPress(int Index, char16_t& KeyAscii)
{
    if (Index < 0 || Index > LastRow) {
        KeyAscii = 0;
        return;
    }
    HideHints();
    m_entry.CaretToEnd = false;

    // Typing near the bottom moves the whole tape up instead.
    if (Index > LastRow - 3) {
        ShiftTapeUp(Index, KeyAscii);
        return;
    }

    if (KeyAscii == 13 &&
        (!m_rows[Index + 1].op.text.isEmpty() || m_rows[Index].op.text.isEmpty())) {
        // Move down one row; its focus handler makes it current.
        bringIntoView(Index + 1);
        setFocus(CellId::Nombre(Index + 1));
        return;
    }
    if (KeyAscii == 13)
        KeyAscii = u'='; // Enter is equals on an operator row whose next row is free

    if (m_format.decimalComma() && KeyAscii == u'.')
        KeyAscii = u',';

    if (!isOperatorKey(KeyAscii)) {
        const bool keep = (KeyAscii >= u'0' && KeyAscii <= u'9') || KeyAscii == u',' ||
                          KeyAscii == u'.' || KeyAscii == 8;
        if (!keep)
            KeyAscii = 0;
        return;
    }

    const QChar c(KeyAscii);
    setText(CellId::Op(Index + 1), QString(c));

    const int target = c == u'=' ? Index + 2 : Index + 1;
    bringIntoView(target);
    setFocus(CellId::Nombre(target));
    m_entry.CurrentRow = target;
    KeyAscii = 0;
}

void TapeModel::Op_KeyPress(int /*Index*/, char16_t& KeyAscii)
{
    if (!isOperatorKey(KeyAscii))
        KeyAscii = 0;
}

void TapeModel::Nombre_Change(int /*Index*/)
{
    if (!m_entry.Busy)
        Recalculate(false);
}

void TapeModel::Op_Change(int Index)
{
    if (!m_entry.Busy)
        Recalculate(m_rows[Index].op.text == u"=");
}

void TapeModel::Op_GotFocus(int Index)
{
    if (m_entry.Busy)
        return;
    m_entry.OpCellFocused = true;
    m_entry.CurrentRow = Index;
    setCaret(CellId::Op(Index), 0, int(m_rows[Index].op.text.size()));
}

void TapeModel::Nombre_GotFocus(int Index)
{
    if (m_entry.Busy)
        return;
    m_entry.OpCellFocused = false;
    m_entry.CurrentRow = Index;
    const int length = int(m_rows[Index].nombre.text.size());
    if (m_entry.CaretToEnd) {
        setCaret(CellId::Nombre(Index), length, 0);
        m_entry.CaretToEnd = false;
    } else {
        // The whole figure is selected, so the next digit typed replaces it.
        setCaret(CellId::Nombre(Index), 0, length);
    }
}

void TapeModel::Nombre_Click(int /*Index*/)
{
    HideHints();
}

void TapeModel::Op_Click(int /*Index*/)
{
    HideHints();
}

void TapeModel::ShiftTapeUp(int Index, char16_t& KeyAscii)
{
    const QScopedValueRollback busy(m_entry.Busy, true);
    for (int i = 0; i + 3 < TapeRowCount; ++i) {
        const TapeRow from = m_rows[i + 3];
        for (CellKind kind : {CellKind::Op, CellKind::Nombre}) {
            const Cell& src = kind == CellKind::Op ? from.op : from.nombre;
            const CellId to{kind, i};
            setText(to, src.text);
            setBold(to, src.bold);
            setFontSize(to, src.fontSize);
            setColour(to, src.colour);
        }
    }
    for (int i = 0; i + 3 < TapeRowCount; ++i)
        setNote(i, m_rows[i + 3].note);
    for (int i = TapeRowCount - 3; i < TapeRowCount; ++i) {
        setText(CellId::Op(i), QString());
        setText(CellId::Nombre(i), QString());
        setNote(i, QString());
    }

    // Only a digit survives the shift, as the new figure of the row it moved to.
    const QString typed{QChar(KeyAscii)};
    if (KeyAscii != 0 && m_format.isNumber(typed)) {
        setText(CellId::Nombre(Index - 3), typed);
        setCaret(CellId::Nombre(Index - 3), 1, 0);
    }
    m_entry.CaretToEnd = true;
    setFocus(CellId::Nombre(Index - 3));
    KeyAscii = 0;
}

} // namespace talco
