#pragma once

// Undo and redo of the tape.
//
// A step is everything one outermost handler changed: the texts of the cells and the
// notes of the rows it touched, before and after, and where the focus and caret were
// on both sides.
// Only texts are kept: colours, bold and results follow from the texts, so the
// recalculation that follows an undo brings them back. Recording costs one bit test
// per cell write and a shared copy of each touched cell's old text, so typing does not
// wait for it.

#include "tape/cell.h"

#include <QString>

#include <bitset>
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

namespace talco {

// Where the keyboard focus and the caret were.
struct CaretPlace {
    std::optional<CellId> focus;
    int caret = 0;
    int selLength = 0;
};

struct HistoryStep {
    struct Text {
        CellId cell;       // for a note, the row's number cell
        bool note = false; // the row's note rather than the cell's text
        QString before;
        QString after;
    };
    std::vector<Text> texts;
    CaretPlace placeBefore;
    CaretPlace placeAfter;
    // Keys typed in one cell, with the focus staying there: the next such step in the
    // same cell joins this one.
    std::optional<CellId> typingIn;
    // Focus moves counted when the step closed: typing joins a step only while the
    // focus has not moved since.
    unsigned long focusMovesAtEnd = 0;
};

class TapeHistory {
public:
    // Well past the 200 steps a session of adding-machine work asks for, while a full
    // history stays a few megabytes.
    static constexpr std::size_t Capacity = 5000;

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    std::size_t undoCount() const { return m_undo.size(); }
    std::size_t redoCount() const { return m_redo.size(); }
    // Forgets every step: the tape as it is becomes where undo stops.
    void clear();

    // ---- recording, driven by the engine -------------------------------------
    bool isOpen() const { return m_open; }
    void open(const CaretPlace& place, unsigned long focusMoves);
    // Called before a cell's text changes while a step is open; keeps its first text.
    void record(CellId cell, const QString& before) { record(cell, false, before); }
    void recordNote(int row, const QString& before) { record(CellId::Nombre(row), true, before); }
    // Closes the open step. textOf gives a recorded cell's text or row's note now. A step that
    // changed no text is dropped; typing in the same cell as the last step joins it.
    template <typename TextOf>
    void close(const CaretPlace& place, std::optional<CellId> typingIn, unsigned long focusMoves,
               TextOf textOf)
    {
        if (!m_open)
            return;
        m_open = false;
        for (HistoryStep::Text& t : m_step.texts)
            t.after = textOf(t);
        commit(place, typingIn, focusMoves);
    }

    // ---- replaying -----------------------------------------------------------
    // The step to undo, moved onto the redo list; nullptr when there is none.
    const HistoryStep* takeUndo();
    const HistoryStep* takeRedo();

private:
    // Cells take slots 0 to 199, notes 200 to 299.
    static constexpr std::size_t Slots = 300;
    static std::size_t slot(CellId cell, bool note)
    {
        if (note)
            return 200 + std::size_t(cell.row);
        return std::size_t(cell.row) * 2 + (cell.kind == CellKind::Nombre ? 1 : 0);
    }
    static std::size_t slot(const HistoryStep::Text& t) { return slot(t.cell, t.note); }
    void record(CellId cell, bool note, const QString& before)
    {
        const std::size_t bit = slot(cell, note);
        if (!m_open || m_touched.test(bit))
            return;
        m_touched.set(bit);
        m_step.texts.push_back({cell, note, before, QString()});
    }
    void commit(const CaretPlace& place, std::optional<CellId> typingIn, unsigned long focusMoves);

    std::deque<HistoryStep> m_undo;
    std::deque<HistoryStep> m_redo;
    bool m_open = false;
    HistoryStep m_step;
    std::bitset<Slots> m_touched;
    unsigned long m_focusMovesAtOpen = 0;
};

} // namespace talco
