#pragma once

#include <QString>
#include <QStringView>

namespace talco {

class NumberFormat;
class TapeModel;

// The tape as text: one line per row, "row TAB operator TAB number CR LF", then a record
// "separators TAB U+decimal TAB U+group CR LF" that readers of rows 0 to 99 skip.
QString GetTapeText(const TapeModel& tape);

// Applies a tape text to the tape line by line and returns the last used row: the
// highest row whose two cells are both filled once written, or 0. Lines end at CR LF, LF
// or CR; lines without exactly two TABs are skipped. Figures written with other
// separators than the tape's (as the separators record says, or as the figures
// themselves leave no doubt) are rewritten into the tape's, so that they keep their
// values. Scrolls so that the row after the last used row is shown.
// Quietly, no cell's change handler recalculates: the caller does once afterwards.
int LoadTapeText(TapeModel& tape, const QString& text, bool quietly = false);

// A figure written with from's separators, rewritten character for character with to's;
// a text that is no number under from stays as it is.
QString ConvertFigure(QStringView text, const NumberFormat& from, const NumberFormat& to);

// Gives the focus to the number cell after the last used row, kept on a shown row of
// the tape (row 99 is never shown and there is no row 100).
void FocusAfterLastRow(TapeModel& tape, int last);

// What Open does once a file is read: load it, then give the focus to the number
// cell after the last used row, kept on a shown row of the tape.
int OpenTapeText(TapeModel& tape, const QString& text);

} // namespace talco
