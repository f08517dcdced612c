#include "files/tapetext.h"

#include "tape/tapemodel.h"

#include <algorithm>

namespace talco {

QString GetTapeText(const TapeModel& tape)
{
    QString text;
    text.reserve(TapeRowCount * 16);
    for (int i = 0; i < TapeRowCount; ++i) {
        text += QString::number(i);
        text += u'\t';
        text += tape.Op(i).text;
        text += u'\t';
        text += tape.Nombre(i).text;
        text += u"\r\n";
    }
    return text;
}

int LoadTapeText(TapeModel& tape, const QString& text)
{
    TapeModel::Handler scope(tape);
    int last = 0;
    int k = 0;
    qsizetype start = 0;
    // Lines end at CR LF; the piece after the last CR LF is one more line.
    while (k <= LastRow) {
        const qsizetype end = text.indexOf(u"\r\n", start);
        const QStringView line = QStringView(text).mid(start, end < 0 ? -1 : end - start);
        const qsizetype tab1 = line.indexOf(u'\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf(u'\t', tab1 + 1);
        if (tab2 >= 0 && line.indexOf(u'\t', tab2 + 1) < 0) {
            tape.setText(CellId::Op(k), line.mid(tab1 + 1, tab2 - tab1 - 1).toString());
            tape.setText(CellId::Nombre(k), line.mid(tab2 + 1).toString());
            if (!tape.Op(k).text.isEmpty() && !tape.Nombre(k).text.isEmpty())
                last = k;
        }
        if (end < 0)
            break;
        start = end + 2;
        ++k;
    }
    tape.setScrollPosition(std::max(0, last + 2 - tape.VisibleRows()));
    tape.setProxyRow(tape.scrollValue() + 1);
    return last;
}

void FocusAfterLastRow(TapeModel& tape, int last)
{
    const int target = std::min(last + 1, LastRow - 1);
    tape.bringIntoView(target);
    tape.setFocus(CellId::Nombre(target));
}

int OpenTapeText(TapeModel& tape, const QString& text)
{
    TapeModel::Handler scope(tape);
    const int last = LoadTapeText(tape, text);
    FocusAfterLastRow(tape, last);
    return last;
}

} // namespace talco
