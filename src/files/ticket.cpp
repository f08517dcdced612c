#include "files/ticket.h"

#include "tape/tapemodel.h"

namespace talco {

namespace {

const QString FontOpen = QStringLiteral("<font face='Courier' size=2 color=");
const QString Dots = QStringLiteral("<td><font face='Courier' size=2 color='#000000'>......</font>"
                                    "</td></tr>\r\n");
// Notes go in a column of their own between the operators and the figures, so that the
// figures stay in one column; a tape without notes prints as it always has.
const QString NoteOpen = QStringLiteral("<td><font face='Courier' size=1 color='#606060'><i>");
const QString NoteClose = QStringLiteral("</i></font></td>");

// Both quotes too: the ticket's own attributes are quoted with either.
QString escaped(const QString& text)
{
    return text.toHtmlEscaped().replace(u'\'', QStringLiteral("&#39;"));
}

} // namespace

QString BuildTicket(const TapeModel& tape)
{
    QString html = QStringLiteral("<table border=0>\r\n");
    bool notes = false;
    for (int i = 0; i < TapeRowCount && !notes; ++i)
        notes = !tape.note(i).isEmpty();
    const QString separatorLine =
        QStringLiteral("<tr><td></td>") + (notes ? QStringLiteral("<td></td>") : QString()) + Dots;
    bool separated = false;
    for (int i = 0; i < TapeRowCount; ++i) {
        const QString& op = tape.Op(i).text;
        const QString& nombre = tape.Nombre(i).text;
        if (op.isEmpty() && nombre.isEmpty() && tape.note(i).isEmpty()) {
            if (!separated)
                html += separatorLine;
            separated = true;
            continue;
        }
        const bool result = op == u"=";
        const QString colour = result ? QStringLiteral("'#800000'") : QStringLiteral("'#000000'");
        const QString boldOpen = result ? QStringLiteral("<b>") : QString();
        const QString boldClose = result ? QStringLiteral("</b>") : QString();

        html += QStringLiteral("<tr>");
        if (op.isEmpty())
            html += QStringLiteral("<td></td>");
        else
            html += QStringLiteral("<td>") + FontOpen + colour + u'>' + boldOpen + escaped(op) +
                    boldClose + QStringLiteral("</font></td>");

        if (notes && tape.note(i).isEmpty()) {
            html += QStringLiteral("<td></td>");
        } else if (notes) {
            // A line break in a note is a space on the ticket's one line.
            QString note = escaped(tape.note(i));
            note.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
            html += NoteOpen + note + NoteClose;
        }

        // The number follows the current display settings, not the text the cell holds;
        // a text that is not a number is printed as it stands.
        QString number;
        if (!nombre.isEmpty()) {
            const ParsedNumber parsed = tape.numberFormat().parse(nombre);
            number = parsed.ok() ? tape.numberFormat().FormatCellValue(parsed.value, result,
                                                                       tape.settings())
                                 : nombre;
        }
        html += QStringLiteral("<td align=right>") + FontOpen + colour + u'>' + boldOpen +
                escaped(number) + boldClose + QStringLiteral("</font></td></tr>\r\n");
        separated = false;
    }
    html += QStringLiteral("</table>");
    return html;
}

} // namespace talco
