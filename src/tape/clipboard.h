#pragma once

// Figures in and out of the tape: what Ctrl+C copies, the whole tape as columns for a
// spreadsheet, and what Ctrl+V enters.

#include <QString>
#include <QStringView>

#include <optional>

namespace talco {

class NumberFormat;
class TapeModel;
struct CellId;

// A figure as shown, without its group separators ("1 235,50" gives "1235,50"), so that
// it pastes as one number anywhere; a text that is no number stays as it is.
QString PlainFigure(QStringView text, const NumberFormat& format);

// What Ctrl+C copies from a cell, with its caret and selection: in a number cell with no
// selection or with the whole figure selected, the plain figure; otherwise the selection
// (or an operator cell's whole text).
QString CopyText(const TapeModel& tape, CellId id);

// Every used row as "operator TAB figure TAB note", figures plain, one line each; tabs and
// line breaks in a note become spaces, so that a spreadsheet keeps the columns.
QString TapeAsColumns(const TapeModel& tape);

// A number written in one of the usual ways ("1 234,56", "1,234.56", "1.234,56",
// "(12.00)", "-12", "€ 12", "12 F"...) as a figure in the tape's format, its digits as
// given; nullopt when the text is no such number. Where a lone separator could be either
// ("1,234"), the tape's regional settings decide.
std::optional<QString> PastedFigure(QStringView text, const NumberFormat& format);

struct PasteOutcome {
    int figures = 0; // figures entered
    int skipped = 0; // lines that held no number
};

// Ctrl+V in the cell that has the focus, as one step of the undo history. One number goes in at the
// caret as typed digits would; several lines each go on a row of their own, with the operator that
// starts the line or "+", and "=" after the last.
PasteOutcome Paste(TapeModel& tape, CellId id, const QString& text);

} // namespace talco
