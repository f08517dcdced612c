#pragma once

#include <QString>

namespace talco {

class TapeModel;

// The tape as text: one line per row, "row TAB operator TAB number CR LF".
QString GetTapeText(const TapeModel& tape);

// Applies a tape text to the tape line by line and returns the last used row: the
// highest row whose two cells are both filled once written, or 0. Lines without
// exactly two TABs are skipped. Scrolls so that the row after it is shown.
int LoadTapeText(TapeModel& tape, const QString& text);

// Gives the focus to the number cell after the last used row, kept on a shown row of
// the tape (row 99 is never shown and there is no row 100).
void FocusAfterLastRow(TapeModel& tape, int last);

// What Open does once a file is read: load it, then give the focus to the number
// cell after the last used row, kept on a shown row of the tape.
int OpenTapeText(TapeModel& tape, const QString& text);

} // namespace talco
