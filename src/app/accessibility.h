#pragma once

// What the main window tells assistive technologies (a screen reader such as Orca reaches
// Qt programs through them): the picture keys, buttons, flags and menu labels are
// buttons with a name, a description and a press action; each tape cell says its row,
// kind and text; and each new result is announced.

#include "tape/cell.h"

#include <QString>

class QWidget;

namespace talco {

class TapeCell;
class TapeModel;
struct TapeChanges;
class frmMain;

// What a person would read aloud for the cell: its row, counted from 1 as a paper tape's
// rows are, its kind and its text, e.g. "Row 4, result, 15 909,03". A row's figure is a
// result when its operator is "=".
QString accessibleCellText(const TapeModel& tape, CellId id, bool english);

// Gives the cell its text as accessible name, in the tape's language.
void ShowAccessibleText(TapeCell& cell, const TapeModel& tape);

// Tells a screen reader, wherever the focus is, the result of the lowest row whose
// operator the changes have just made "=".
void AnnounceNewResult(QWidget& window, const TapeModel& tape, const TapeChanges& changes);

// Makes the picture buttons and the main window's menu labels buttons for assistive
// technologies; before the window's widgets are made, as an interface is kept once asked
// for. Calling it again does nothing.
void InstallAccessibility();

// The names and descriptions of the window's buttons and of the tape cells made so far,
// in the window's language.
void ApplyAccessibleTexts(frmMain& window);

} // namespace talco
