#include "keypad/keypad.h"

#include "tape/tapemodel.h"

namespace talco {

char16_t Keypad::tagOf(KeyControl control, int index)
{
    for (const KeyDef& k : Keys) {
        if (k.control == control && k.index == index)
            return k.tag;
    }
    return 0;
}

void Keypad::click(const KeyDef& key)
{
    switch (key.control) {
    case KeyControl::ImgChiffre:
        ImgChiffre_Click(key.index);
        break;
    case KeyControl::ImgFct:
        ImgFct_Click(key.index);
        break;
    case KeyControl::ImgVirg:
        ImgVirg_Click();
        break;
    case KeyControl::ImgEgale:
        ImgEgale_Click();
        break;
    case KeyControl::ImgC:
        ImgC_Click();
        break;
    case KeyControl::ImgMonnaie:
        ImgMonnaie_Click(key.index);
        break;
    }
}

void Keypad::insertAtCaret(QChar c)
{
    TapeModel::Handler scope(m_tape);
    m_tape.HideHints();
    const CellId id = CellId::Nombre(m_tape.entry().CurrentRow);
    const Cell& cell = m_tape.cell(id);
    const QString& t = cell.text;
    const int p = std::clamp(cell.caret, 0, int(t.size()));
    const int s = std::clamp(cell.selLength, 0, int(t.size()) - p);
    m_tape.setText(id, t.left(p) + c + t.mid(p + s));
    m_tape.setCaret(id, p + 1, 0);
    // Keys clicked into one cell are one undo step, as keys typed there are.
    if (m_tape.focusedCell() == id)
        m_tape.markTyping(id);
}

void Keypad::ImgChiffre_Click(int Index)
{
    if (Index >= 0 && Index <= 9)
        insertAtCaret(QChar(u'0' + Index));
}

void Keypad::ImgVirg_Click()
{
    insertAtCaret(m_tape.numberFormat().decimalPoint());
}

void Keypad::ImgFct_Click(int Index)
{
    TapeModel::Handler scope(m_tape);
    const char16_t c = tagOf(KeyControl::ImgFct, Index);
    if (c == 0)
        return;
    const int row = m_tape.entry().CurrentRow;
    if (m_tape.entry().OpCellFocused) {
        m_tape.setText(CellId::Op(row), QString(QChar(c)));
    } else {
        char16_t key = c; // the handler's verdict on its copy is not used
        m_tape.Nombre_KeyPress(row, key);
    }
}

void Keypad::ImgEgale_Click()
{
    TapeModel::Handler scope(m_tape);
    char16_t key = u'=';
    m_tape.Nombre_KeyPress(m_tape.entry().CurrentRow, key);
}

void Keypad::ImgC_Click()
{
    m_tape.clear();
}

void Keypad::ImgMonnaie_Click(int Index)
{
    TapeModel::Handler scope(m_tape);
    const char16_t c = tagOf(KeyControl::ImgMonnaie, Index);
    if (c == 0)
        return;
    // The conversion takes the next row and its result the one after.
    m_tape.typeOperator(c);
    for (const char16_t* k = RateKeys; *k; ++k) {
        if (*k == u'.')
            ImgVirg_Click();
        else
            ImgChiffre_Click(*k - u'0');
    }
    char16_t key = u'=';
    m_tape.Nombre_KeyPress(m_tape.entry().CurrentRow, key);
}

} // namespace talco
