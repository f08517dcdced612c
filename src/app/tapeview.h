#pragma once

#include "app/tapecell.h"

#include <QObject>
#include <QPalette>

#include <array>

class QScrollBar;
class QWidget;

namespace talco {

class TapeModel;

// Shows the engine's tape in the rows area: 100 operator and 100 number cells, the
// scroll bar, and the mouse wheel as the scroll proxy. After each event it passes to
// the engine it touches only the cells whose state changed.
//
// A row's two fields are made the first time the row is shown or asked for: most of
// the tape is out of sight at start, and two hundred line edits would cost start-up
// time and memory for nothing. A row not made yet has nothing to update; it takes
// the engine's whole state when it is made.
class TapeView : public QObject {
    Q_OBJECT
public:
    TapeView(TapeModel& tape, QWidget* ecran, QScrollBar* scrollBar);

    // The cell's field, made at once if its row has none yet.
    TapeCell* cell(CellId id);
    // The cell's field when its row has been made, else nullptr.
    TapeCell* made(CellId id) const;

    // Brings the screen in line with the engine. Does nothing before the first syncAll:
    // rows laid out before the start-up tape is loaded would be made and drawn twice.
    void sync();
    // Shows the whole tape; the first call starts the view, once the start-up tape is
    // in place.
    void syncAll();

    // What the cells ask of the window; filled by the window.
    CellActions& actions() { return m_actions; }

Q_SIGNALS:
    void hintsChanged(bool visible);
    // A cell's text changed since the last sync: the tape has something new to save.
    void textsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Applies the engine's changes, or everything it holds.
    void show(bool everything);
    void applyCell(CellId id, unsigned what);
    // Makes both fields of the row, unless they exist, and shows the engine's state.
    void makeRow(int row);
    // Range and value of the scroll bar from the engine; callers hold m_syncing.
    void showScroll();
    // Gives the keyboard focus to the engine's focused cell, or, when that cell is
    // hidden, tells the engine where the platform moved the focus.
    void reconcileFocus();

    TapeModel& m_tape;
    QWidget* m_ecran;
    QScrollBar* m_scrollBar;
    std::array<TapeCell*, 200> m_cells{};
    QPalette m_base;
    bool m_syncing = false;
    bool m_started = false;
    CellActions m_actions;
};

} // namespace talco
