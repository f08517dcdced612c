#pragma once

// The tape engine.
//
// The tape is a fixed column of 100 rows, each an operator cell Op(i) and a number
// cell Nombre(i). Nothing else records what a row is: its kind follows from its two
// texts, and every result on screen is worked out again from those texts.
//
// How a key becomes a recalculated tape:
//   1. The window passes a typed character to typeKey(). The cell's key handler
//      (Nombre_KeyPress or Op_KeyPress) keeps, replaces or swallows it.
//   2. A kept character is inserted by the one-line field contract (insert at the
//      caret replacing the selection, Backspace, Enter ignored).
//   3. Any text that changes runs the cell's change handler at once, before the
//      setter returns; the change handler runs Recalculate(), which rewrites result
//      rows (and, after "=", every figure) through the same setter, and so re-enters
//      itself. Each pass keeps its working state local.
//   4. An operator is written into the next row's operator cell (another change and
//      another recalculation), and the focus is asked to move on. Focus handlers run
//      only after the outermost handler has returned, from a pending-focus queue.
//   5. The window reads what changed with takeChanges() and repaints only that.
//   6. What one outermost handler changed is one step of the undo history.
//
// Settings and regional settings are given to the model; it never fetches them. The
// entry state can be read from outside but changes only through the model's own
// operations: the handlers, loading rows, clearing, the sample, and undo.

#include "tape/cell.h"
#include "tape/history.h"
#include "tape/numberformat.h"
#include "tape/settings.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace talco {

inline constexpr int TapeRowCount = 100;
inline constexpr int LastRow = TapeRowCount - 1;

// The state of the entry, beside the rows.
struct EntryState {
    int CurrentRow = 0;         // row whose cell last received the focus
    bool OpCellFocused = false; // that cell is an operator cell
    bool Busy = false;          // silences change and focus handlers during bulk rewrites
    bool CaretToEnd = false;    // next number-cell focus puts the caret after the text
};

// What changed since the last takeChanges(), so that a view redraws only that.
struct TapeChanges {
    // Note is marked on the row's number cell.
    enum CellChange : unsigned { Text = 1, Look = 2, Place = 4, Caret = 8, Note = 16 };
    struct Entry {
        CellId cell;
        unsigned what = 0;
    };
    std::vector<Entry> cells;
    bool scroll = false; // scroll position, range or proxy row
    bool focus = false;
    bool hints = false;

    bool empty() const { return cells.empty() && !scroll && !focus && !hints; }
};

// Counts of recalculation passes, for measuring how much work a key causes.
struct RecalcStats {
    long passes = 0;
    int maxDepth = 0;
};

class TapeModel {
public:
    TapeModel(const Settings& settings, const QLocale& locale);
    TapeModel(const TapeModel&) = delete;
    TapeModel& operator=(const TapeModel&) = delete;

    // ---- configuration -------------------------------------------------------
    // The display options, given again whenever they change; the next pass uses them.
    void setSettings(const Settings& settings)
    {
        m_settings = settings;
        m_settledRows = 0;
    }
    const Settings& settings() const { return m_settings; }
    void setLocale(const QLocale& locale)
    {
        m_format = NumberFormat(locale);
        m_settledRows = 0;
    }
    const NumberFormat& numberFormat() const { return m_format; }

    // ---- cells ---------------------------------------------------------------
    const TapeRow& row(int i) const { return m_rows[i]; }
    const Cell& cell(CellId id) const;
    const Cell& Op(int i) const { return m_rows[i].op; }
    const Cell& Nombre(int i) const { return m_rows[i].nombre; }

    // Setting a different text runs the cell's change handler before returning and
    // puts the caret at 0, as a text field does; the same text runs nothing.
    void setText(CellId id, const QString& text);
    void setCaret(CellId id, int caret, int selLength);
    void setColour(CellId id, Colour colour);
    void setBold(CellId id, bool bold);
    void setFontSize(CellId id, int points);

    // A row's note, cut to MaxNoteLength characters; moved and cleared with the row.
    const QString& note(int row) const { return m_rows[row].note; }
    void setNote(int row, const QString& text);

    // Asks for the keyboard focus; the focus handler runs once the outermost handler
    // has returned. Asking for the cell that already has the focus does nothing.
    void setFocus(CellId id);
    std::optional<CellId> focusedCell() const { return m_focused; }

    const EntryState& entry() const { return m_entry; }

    // ---- whole-tape operations -----------------------------------------------
    struct RowTexts {
        int row = 0;
        QString op;
        QString nombre;
        QString note;
    };
    // Writes rows as a tape is loaded, each cell's change handler recalculating as it
    // goes, or none when quietly (the caller then recalculates once).
    void loadRows(const std::vector<RowTexts>& rows, bool quietly);
    // Empties every row, as the C key does, and goes back to the top.
    void clear();
    // The three figures, two operators and equals of a first start, figures written
    // with the regional decimal separator. The caller recalculates.
    void writeSample();
    // An operator typed at the current row, the tape moving up first near the bottom so
    // that the operator and the row below it stay on the tape.
    void typeOperator(char16_t op);

    // ---- the cells' handlers -------------------------------------------------
    void Nombre_KeyPress(int Index, char16_t& KeyAscii);
    void Op_KeyPress(int Index, char16_t& KeyAscii);
    void Nombre_Change(int Index);
    void Op_Change(int Index);
    void Nombre_GotFocus(int Index);
    void Op_GotFocus(int Index);
    void Nombre_Click(int Index);
    void Op_Click(int Index);
    void ShiftTapeUp(int Index, char16_t& KeyAscii);

    // Works out the whole tape again from its texts; reformat also rewrites figures.
    void Recalculate(bool reformat);
    const RecalcStats& recalcStats() const { return m_stats; }
    // The next pass starts from row 0 even where nothing has changed (for measuring).
    void forgetSettledRows() { m_settledRows = 0; }
    void resetRecalcStats() { m_stats = {}; }

    // ---- undo and redo ----------------------------------------------------------
    // Puts back the texts of the last step (or the last undone one), recalculates, and
    // gives the focus and caret back to where that change was made. False when there is
    // nothing to undo or redo.
    bool undo();
    bool redo();
    const TapeHistory& history() const { return m_history; }
    // The tape as it is becomes where undo stops (a tape loaded at start).
    void forgetHistory() { m_history.clear(); }
    // Marks the open step as keys typed in one cell, so that the next keys typed there
    // join it.
    void markTyping(CellId id)
    {
        if (m_history.isOpen())
            m_typingIn = id;
    }
    // Counts every change of a cell's text: a saver compares it with the count it saved.
    quint64 revision() const { return m_revision; }

    // ---- events from a window, each an outermost handler ----------------------
    // A character key typed in a cell: its key handler, then the field contract.
    void typeKey(CellId id, char16_t key);
    // The field's own editing (Delete, arrows, Home, End): new text, caret, selection.
    void editField(CellId id, const QString& text, int caret, int selLength);
    // The user wrote a note on a row.
    void editNote(int row, const QString& text);
    // The platform gave the focus to a cell (a click or Tab).
    void focusIn(CellId id);
    void click(CellId id);
    // The user moved the scroll bar or the scroll proxy.
    void userScroll(int value);
    void userScrollProxy(int proxyRow);

    // Runs a procedure as one outermost handler: pending focus moves wait for its end.
    class Handler {
    public:
        explicit Handler(TapeModel& model);
        ~Handler();
        Handler(const Handler&) = delete;
        Handler& operator=(const Handler&) = delete;

    private:
        TapeModel& m_model;
        bool m_opened = false; // this handler opened the undo step
    };

    // ---- the window of shown rows -------------------------------------------
    void ArrangeRows(int firstRow);
    void ScrollV_Change();
    void MSFlexGrid1_Scroll();
    // Rows and scroll range for a tape area of the given height in twips.
    void layoutTapeArea(int heightTwips);
    void setVisibleRows(int rows) { layoutTapeArea(rows * RowPitch); }
    int VisibleRows() const { return m_visibleRows; }
    int scrollValue() const { return m_scrollValue; }
    int scrollMax() const { return m_scrollMax; }
    // A scroll bar keeps its value within its range; a change arranges the rows.
    void setScrollPosition(int value);
    int ProxyRow() const { return m_proxyRow; }
    void setProxyRow(int row);
    // Scrolls so that row target is the last shown row when it is hidden.
    void bringIntoView(int target);

    // ---- the two hint panels -------------------------------------------------
    bool hintsVisible() const { return m_hintsVisible; }
    void HideHints();
    void showHints();

    TapeChanges takeChanges();

private:
    Cell& cellRef(CellId id);
    void markCell(CellId id, unsigned what);
    template <typename T> void setLook(CellId id, T Cell::*field, T value);
    void recordText(CellId id, const Cell& c) { m_history.record(id, c.text); }
    CaretPlace caretPlace() const;
    bool replay(const HistoryStep* step, bool forward);
    void applyFieldKey(CellId id, char16_t key);
    void runChangeHandler(CellId id);
    void drainFocus();

    Settings m_settings;
    NumberFormat m_format;
    std::array<TapeRow, TapeRowCount> m_rows;
    EntryState m_entry;
    std::optional<CellId> m_focused;
    std::vector<CellId> m_pendingFocus;
    int m_handlerDepth = 0;
    bool m_draining = false;

    int m_visibleRows = 0;
    int m_scrollValue = 0;
    int m_scrollMax = 0;
    int m_proxyRow = 1;
    bool m_hintsVisible = false;

    int m_recalcDepth = 0;
    RecalcStats m_stats;
    // Rows [0, m_settledRows) are settled: a pass over them from the current texts
    // would change nothing, and m_settledRunning holds the running result after each.
    // A text-only pass starts at the first unsettled row; every change to a cell's text
    // or look unsettles its row and those below. This keeps the nested passes that each
    // result write starts from walking the settled top of the tape again and again.
    int m_settledRows = 0;
    std::array<double, TapeRowCount> m_settledRunning{};

    std::array<unsigned, 2 * TapeRowCount> m_dirty{};
    TapeChanges m_changes;

    TapeHistory m_history;
    std::optional<CellId> m_typingIn;
    unsigned long m_focusMoves = 0;
    bool m_replaying = false;
    quint64 m_revision = 0;
};

} // namespace talco
