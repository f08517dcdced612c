#include "files/csv.h"

#include "tape/clipboard.h"
#include "tape/tapemodel.h"

#include <QStringList>

namespace talco {

namespace {

QString field(const QString& text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray TapeCsv(const TapeModel& tape)
{
    const bool english = tape.settings().G_Langue == u"EN";
    const QChar separator = tape.numberFormat().decimalPoint() == u',' ? u';' : u',';
    const QString yes = english ? QStringLiteral("yes") : QStringLiteral("oui");
    const QString no = english ? QStringLiteral("no") : QStringLiteral("non");

    QStringList header =
        english
            ? QStringList{QStringLiteral("Row"), QStringLiteral("Operator"),
                          QStringLiteral("Value"), QStringLiteral("Result"), QStringLiteral("Note")}
            : QStringList{QStringLiteral("Ligne"), QString::fromUtf16(u"Op\u00E9rateur"),
                          QStringLiteral("Valeur"), QString::fromUtf16(u"R\u00E9sultat"),
                          QStringLiteral("Note")};
    QString text = header.join(separator) + QStringLiteral("\r\n");
    for (int i = 0; i < TapeRowCount; ++i) {
        const QString& op = tape.Op(i).text;
        const QString& nombre = tape.Nombre(i).text;
        const QString& note = tape.note(i);
        if (op.isEmpty() && nombre.isEmpty() && note.isEmpty())
            continue;
        const QStringList fields{QString::number(i + 1), op,
                                 PlainFigure(nombre, tape.numberFormat()), op == u"=" ? yes : no,
                                 note};
        for (qsizetype f = 0; f < fields.size(); ++f) {
            if (f > 0)
                text += separator;
            text += field(fields[f], separator);
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace talco
