#pragma once

#include <QChar>
#include <QString>

#include <array>

namespace talco {

class TapeModel;

enum class KeyControl { ImgChiffre, ImgFct, ImgVirg, ImgEgale, ImgC, ImgMonnaie };

// One key of the on-screen keypad: its control, index, tag (the operator it applies),
// the base name of its pictures, and its place in the keypad panel in twips.
struct KeyDef {
    KeyControl control;
    int index;
    char16_t tag;
    const char16_t* base;
    int left;
    int top;
};

inline constexpr int KeySize = 450; // twips: 30 pixels

inline constexpr std::array<KeyDef, 19> Keys = {{
    {KeyControl::ImgChiffre, 7, 0, u"ch7", 0, 0},
    {KeyControl::ImgChiffre, 8, 0, u"ch8", 480, 0},
    {KeyControl::ImgChiffre, 9, 0, u"ch9", 960, 0},
    {KeyControl::ImgFct, 3, u'/', u"op3", 1440, 0},
    {KeyControl::ImgC, 0, 0, u"c", 1920, 0},
    {KeyControl::ImgChiffre, 4, 0, u"ch4", 0, 480},
    {KeyControl::ImgChiffre, 5, 0, u"ch5", 480, 480},
    {KeyControl::ImgChiffre, 6, 0, u"ch6", 960, 480},
    {KeyControl::ImgFct, 2, u'*', u"op2", 1440, 480},
    {KeyControl::ImgMonnaie, 0, u'/', u"monnaie0", 1920, 480},
    {KeyControl::ImgChiffre, 1, 0, u"ch1", 0, 960},
    {KeyControl::ImgChiffre, 2, 0, u"ch2", 480, 960},
    {KeyControl::ImgChiffre, 3, 0, u"ch3", 960, 960},
    {KeyControl::ImgFct, 1, u'-', u"op1", 1440, 960},
    {KeyControl::ImgMonnaie, 1, u'*', u"monnaie1", 1920, 960},
    {KeyControl::ImgChiffre, 0, 0, u"ch0", 0, 1440},
    {KeyControl::ImgVirg, 0, 0, u"point", 480, 1440},
    {KeyControl::ImgEgale, 0, 0, u"egale", 960, 1440},
    {KeyControl::ImgFct, 0, u'+', u"op0", 1440, 1440},
}};

// The franc-euro rate, entered key by key.
inline constexpr char16_t RateKeys[] = u"6.55957";

// What each keypad key does to the tape, at the current row. The keys never take the
// focus: digits edit the current number cell at its caret, operators and equals go
// through the number cell's key handler.
class Keypad {
public:
    explicit Keypad(TapeModel& tape) : m_tape(tape) {}

    void ImgChiffre_Click(int Index);
    void ImgChiffre_DblClick(int Index) { ImgChiffre_Click(Index); }
    void ImgVirg_Click();
    void ImgFct_Click(int Index);
    void ImgEgale_Click();
    void ImgC_Click();
    void ImgMonnaie_Click(int Index);

    // A click on the key of the table, by its control and index.
    void click(const KeyDef& key);

private:
    void insertAtCaret(QChar c);
    static char16_t tagOf(KeyControl control, int index);

    TapeModel& m_tape;
};

} // namespace talco
