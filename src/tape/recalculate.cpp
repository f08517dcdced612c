#include "tape/tapemodel.h"

#include <algorithm>
#include <cmath>

namespace talco {

namespace {

// RAII depth counter, so that nested passes can be counted.
struct PassDepth {
    int& depth;
    explicit PassDepth(int& d) : depth(d) { ++depth; }
    ~PassDepth() { --depth; }
};

} // namespace

void TapeModel::Recalculate(bool reformat)
{
    // Writing a result or a reformatted figure runs the change handler, which starts
    // a nested pass before this one goes on. So everything this pass works with is
    // local: the nested pass neither sees nor disturbs it.
    PassDepth depth(m_recalcDepth);
    ++m_stats.passes;
    m_stats.maxDepth = std::max(m_stats.maxDepth, m_recalcDepth);

    // A text-only pass would find the settled rows as they are: start after them.
    const int start = reformat ? 0 : m_settledRows;
    double running = start > 0 ? m_settledRunning[start - 1] : 0.0;
    for (int i = start; i < TapeRowCount; ++i) {
        bool isResultRow = false;
        Colour colour = FigureColour;
        const QString op = m_rows[i].op.text; // copies: the nested pass may rewrite cells
        const ParsedNumber figure = m_format.parse(m_rows[i].nombre.text);
        const bool usesFigure =
            op.isEmpty() || op == u"+" || op == u"-" || op == u"*" || op == u"/";

        if (usesFigure && figure.status == ParseStatus::OutOfRange)
            return; // a figure too large for a double: leave this row and below as they are

        if (figure.ok()) {
            const double v = figure.value;
            double next = running;
            if (op == u"+")
                next = v + running;
            else if (op == u"-")
                next = running - v;
            else if (op == u"*")
                next = v * running;
            else if (op == u"/")
                next = v == 0.0 ? 0.0 : running / v;
            else if (op.isEmpty())
                next = v; // a start row begins a new calculation
            if (!std::isfinite(next))
                return; // overflow: stop here, rows below keep what they show

            if (reformat)
                setText(CellId::Nombre(i), m_format.FormatCellValue(v, false, m_settings));
            running = next;
        }

        if (op == u"=") {
            isResultRow = true;
            colour = ResultColour;
            setText(CellId::Nombre(i), m_format.FormatCellValue(running, true, m_settings));
            // A text-only pass that wrote a result has just run a nested pass from here
            // over the same texts; if that one settled the whole tape, the rest of this
            // pass would find everything as it is.
            if (!reformat && m_settledRows == TapeRowCount)
                return;
        }

        const CellId opCell = CellId::Op(i);
        const CellId nombreCell = CellId::Nombre(i);
        setBold(opCell, isResultRow);
        setFontSize(opCell, 12);
        setColour(opCell, colour);
        setBold(nombreCell, isResultRow);
        setColour(nombreCell, colour);

        // Only a text-only pass works from the texts as they stand; a reformatting pass
        // carries values parsed before it rewrote them.
        if (!reformat && m_settledRows == i) {
            m_settledRunning[i] = running;
            m_settledRows = i + 1;
        }
    }
}

} // namespace talco
