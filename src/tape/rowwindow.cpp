// The window of shown rows: which rows the tape area shows and where.

#include "tape/tapemodel.h"

#include <algorithm>
#include <cmath>

namespace talco {

namespace {

int roundHalfEven(double v)
{
    return int(std::nearbyint(v));
}

} // namespace

void TapeModel::ArrangeRows(int firstRow)
{
    // Only an upper bound: the last window is rows 99 - VisibleRows to 98.
    if (firstRow > LastRow - m_visibleRows)
        firstRow = LastRow - m_visibleRows;
    int y = 0;
    for (int i = 0; i < TapeRowCount; ++i) {
        Cell& op = m_rows[i].op;
        Cell& nombre = m_rows[i].nombre;
        const bool shown = i >= firstRow && i < firstRow + m_visibleRows;
        if (shown) {
            if (op.top != y - OpCellRaise || !op.centred || !op.visible) {
                op.top = y - OpCellRaise;
                op.centred = true;
                op.visible = true;
                markCell(CellId::Op(i), TapeChanges::Place);
            }
            if (nombre.top != y || nombre.width != ArrangedNombreWidth || !nombre.visible) {
                nombre.top = y;
                nombre.width = ArrangedNombreWidth;
                nombre.visible = true;
                markCell(CellId::Nombre(i), TapeChanges::Place);
            }
            y += RowPitch;
        } else {
            if (op.visible) {
                op.visible = false;
                markCell(CellId::Op(i), TapeChanges::Place);
            }
            if (nombre.visible) {
                nombre.visible = false;
                markCell(CellId::Nombre(i), TapeChanges::Place);
            }
        }
    }
}

void TapeModel::ScrollV_Change()
{
    ArrangeRows(m_scrollValue);
}

void TapeModel::MSFlexGrid1_Scroll()
{
    if (m_proxyRow > m_scrollMax)
        setScrollPosition(m_scrollMax);
    else
        setScrollPosition(m_proxyRow - 1);
}

void TapeModel::layoutTapeArea(int heightTwips)
{
    m_visibleRows = roundHalfEven(double(heightTwips) / RowPitch);
    m_scrollMax =
        std::max(0, roundHalfEven(double(TapeRowCount * RowPitch - heightTwips) / RowPitch));
    m_changes.scroll = true;
    // The scroll bar keeps its value inside the new range.
    m_scrollValue = std::clamp(m_scrollValue, 0, m_scrollMax);
    ArrangeRows(m_scrollValue);
}

void TapeModel::setScrollPosition(int value)
{
    value = std::clamp(value, 0, m_scrollMax);
    if (value == m_scrollValue)
        return;
    m_scrollValue = value;
    m_changes.scroll = true;
    ScrollV_Change();
}

void TapeModel::setProxyRow(int row)
{
    row = std::clamp(row, 1, LastRow);
    if (row == m_proxyRow)
        return;
    m_proxyRow = row;
    m_changes.scroll = true;
}

void TapeModel::bringIntoView(int target)
{
    if (target < 0 || target > LastRow || m_rows[target].nombre.visible)
        return;
    setScrollPosition(target + 1 - m_visibleRows);
    setProxyRow(m_scrollValue + 1);
}

void TapeModel::userScroll(int value)
{
    Handler scope(*this);
    setScrollPosition(value);
}

void TapeModel::userScrollProxy(int proxyRow)
{
    Handler scope(*this);
    m_proxyRow = std::clamp(proxyRow, 1, LastRow);
    m_changes.scroll = true;
    MSFlexGrid1_Scroll();
}

} // namespace talco
