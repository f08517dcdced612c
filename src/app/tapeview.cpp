#include "app/tapeview.h"

#include "app/accessibility.h"
#include "tape/tapemodel.h"
#include "widgets/twips.h"

#include <QScrollBar>

#include <QScopedValueRollback>
#include <QWheelEvent>
#include <algorithm>

namespace talco {

namespace {

int slotOf(CellId id)
{
    return id.row * 2 + (id.kind == CellKind::Nombre ? 1 : 0);
}

QColor toQColor(Colour c)
{
    return QColor(c.red(), c.green(), c.blue());
}

} // namespace

TapeView::TapeView(TapeModel& tape, QWidget* ecran, QScrollBar* scrollBar)
    : QObject(ecran), m_tape(tape), m_ecran(ecran), m_scrollBar(scrollBar)
{
    m_base = ecran->palette();
    m_base.setColor(QPalette::Base, Qt::black);
    m_base.setColor(QPalette::Window, Qt::black);
    m_base.setColor(QPalette::Text, Qt::white);
    m_base.setColor(QPalette::Highlight, QColor(0x40, 0x40, 0x48));
    m_base.setColor(QPalette::HighlightedText, Qt::white);
    ecran->setAutoFillBackground(true);
    ecran->setPalette(m_base);
    // The cells take the face most of them show from the tape's area, so that a new cell
    // lays its text out once, not once more for a face of its own.
    QFont face = ecran->font();
    face.setPointSize(Cell().fontSize);
    ecran->setFont(face);

    ecran->installEventFilter(this);
    connect(scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing)
            return;
        m_tape.userScroll(value);
        sync();
    });
}

TapeCell* TapeView::cell(CellId id)
{
    makeRow(id.row);
    return made(id);
}

TapeCell* TapeView::made(CellId id) const
{
    return m_cells[slotOf(id)];
}

void TapeView::makeRow(int row)
{
    if (made(CellId::Nombre(row)))
        return;
    for (CellKind kind : {CellKind::Nombre, CellKind::Op}) {
        const CellId id{kind, row};
        auto* cell = new TapeCell(id, m_tape, m_ecran);
        cell->setPalette(m_base);
        cell->setAlignment(kind == CellKind::Nombre ? Qt::AlignRight | Qt::AlignVCenter
                                                    : Qt::AlignLeft | Qt::AlignVCenter);
        cell->afterEvent = [this] { sync(); };
        cell->viewSyncing = &m_syncing;
        cell->actions = &m_actions;
        // Operator cells are drawn over the number cells they overlap.
        cell->raise();
        m_cells[slotOf(id)] = cell;
    }
    for (CellKind kind : {CellKind::Nombre, CellKind::Op})
        applyCell({kind, row},
                  TapeChanges::Text | TapeChanges::Look | TapeChanges::Place | TapeChanges::Note);
}

void TapeView::applyCell(CellId id, unsigned what)
{
    const Cell& c = m_tape.cell(id);
    TapeCell* w = made(id);
    if (!w) {
        // A row out of sight waits; the first time it is shown it takes everything.
        if (c.visible)
            makeRow(id.row);
        return;
    }
    // The look first: a field lays its text out again on each change of font.
    if (what & TapeChanges::Look) {
        QFont f = w->font();
        if (f.bold() != c.bold || f.pointSize() != c.fontSize) {
            f.setBold(c.bold);
            f.setPointSize(c.fontSize);
            w->setFont(f);
        }
        const QColor colour = toQColor(c.colour);
        if (w->palette().color(QPalette::Text) != colour) {
            QPalette p = w->palette();
            p.setColor(QPalette::Text, colour);
            w->setPalette(p);
        }
    }
    if (what & TapeChanges::Text) {
        if (w->text() != c.text)
            w->setText(c.text);
        // The operator tells what the row's figure is: that cell's name follows it too.
        ShowAccessibleText(*w, m_tape);
        if (id.kind == CellKind::Op)
            if (TapeCell* figure = made(CellId::Nombre(id.row)))
                ShowAccessibleText(*figure, m_tape);
    }
    if (what & TapeChanges::Note) {
        // Both cells of the row show the note as their tooltip and say it.
        for (TapeCell* cell : {made(CellId::Op(id.row)), made(CellId::Nombre(id.row))}) {
            if (cell) {
                cell->setNote(m_tape.note(id.row));
                ShowAccessibleText(*cell, m_tape);
            }
        }
    }
    if (what & TapeChanges::Place) {
        w->setGeometry(twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
                       twipsToPixels(c.height));
        if (id.kind == CellKind::Op && c.centred)
            w->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        w->setVisible(c.visible);
    }
    if (what & (TapeChanges::Text | TapeChanges::Caret))
        w->showCaret();
}

void TapeView::sync()
{
    if (m_started)
        show(false);
}

void TapeView::syncAll()
{
    m_started = true;
    show(true);
}

void TapeView::show(bool everything)
{
    if (m_syncing)
        return;
    const TapeChanges changes = m_tape.takeChanges();
    bool texts = false;
    {
        // Focus moves made here come from the tape; the one after may show again.
        const QScopedValueRollback syncing(m_syncing, true);
        if (everything) {
            for (int row = 0; row < TapeRowCount; ++row) {
                if (!made(CellId::Nombre(row))) {
                    if (m_tape.Op(row).visible || m_tape.Nombre(row).visible)
                        makeRow(row);
                    continue;
                }
                for (CellKind kind : {CellKind::Op, CellKind::Nombre})
                    applyCell({kind, row}, TapeChanges::Text | TapeChanges::Look |
                                               TapeChanges::Place | TapeChanges::Note);
            }
        } else {
            for (const TapeChanges::Entry& e : changes.cells) {
                applyCell(e.cell, e.what);
                texts = texts || (e.what & (TapeChanges::Text | TapeChanges::Note));
            }
        }
        if (everything || changes.scroll)
            showScroll();
        if (everything || changes.focus)
            if (const auto focused = m_tape.focusedCell())
                if (TapeCell* w = made(*focused))
                    w->showCaret();
    }
    reconcileFocus();
    // After the focus has moved on, so that the new total is the last thing said.
    if (!everything)
        AnnounceNewResult(*m_ecran->window(), m_tape, changes);
    if (everything || changes.hints)
        Q_EMIT hintsChanged(m_tape.hintsVisible());
    if (texts)
        Q_EMIT textsChanged();
}

void TapeView::reconcileFocus()
{
    const auto focused = m_tape.focusedCell();
    if (!focused)
        return;
    QWidget* window = m_ecran->window();
    TapeCell* wanted = m_tape.cell(*focused).visible ? cell(*focused) : made(*focused);
    if (wanted && wanted->isVisibleTo(window)) {
        if (window->focusWidget() != wanted)
            wanted->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The focused cell was scrolled out of sight: typing goes on in the number cell of
    // the nearest shown row, rather than in whatever cell the platform picks.
    int shownFirst = -1;
    int shownLast = -1;
    for (int row = 0; row < TapeRowCount; ++row) {
        if (!m_tape.Nombre(row).visible)
            continue;
        if (shownFirst < 0)
            shownFirst = row;
        shownLast = row;
    }
    if (shownFirst < 0)
        return;
    const int target = std::clamp(focused->row, shownFirst, shownLast);
    m_tape.focusIn(CellId::Nombre(target));
    sync();
}

void TapeView::showScroll()
{
    m_scrollBar->setRange(0, m_tape.scrollMax());
    m_scrollBar->setValue(m_tape.scrollValue());
}

bool TapeView::eventFilter(QObject* watched, QEvent* event)
{
    // The mouse wheel over the tape reaches the scroll proxy.
    if (watched == m_ecran && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0) {
            m_tape.userScrollProxy(m_tape.scrollValue() + 1 - 3 * notches);
            sync();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talco
