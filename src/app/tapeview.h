#pragma once

#include "app/tapecell.h"

#include <QObject>

#include <array>

class QScrollBar;
class QWidget;

namespace talco {

class TapeModel;

// Shows the engine's tape in the rows area: 100 operator and 100 number cells, the
// scroll bar, and the mouse wheel as the scroll proxy. After each event it passes to
// the engine it touches only the cells whose state changed.
class TapeView : public QObject {
    Q_OBJECT
public:
    TapeView(TapeModel& tape, QWidget* ecran, QScrollBar* scrollBar);

    TapeCell* cell(CellId id) const;

    // Brings the screen in line with the engine.
    void sync();
    // Redraws every cell, after the view was built or the fonts changed.
    void syncAll();

Q_SIGNALS:
    void hintsChanged(bool visible);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyCell(CellId id, unsigned what);
    // Range and value of the scroll bar from the engine; callers hold m_syncing.
    void showScroll();
    // Gives the keyboard focus to the engine's focused cell, or, when that cell is
    // hidden, tells the engine where the platform moved the focus.
    void reconcileFocus();

    TapeModel& m_tape;
    QWidget* m_ecran;
    QScrollBar* m_scrollBar;
    std::array<TapeCell*, 200> m_cells{};
    bool m_syncing = false;
};

} // namespace talco
