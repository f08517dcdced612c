#include "tape/clipboard.h"

#include "tape/tapemodel.h"

#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace talco {

namespace {

bool isCurrency(QChar c)
{
    return c == QChar(0x20AC) || c == u'$' || c == QChar(0x00A3) || c == u'F';
}

bool isBlankGroup(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == u'\'' ||
           c == QChar(0x2019);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QChar operatorOf(QChar c)
{
    if (c == QChar(0x00D7))
        return u'*';
    if (c == QChar(0x00F7))
        return u'/';
    if (c == QChar(0x2212))
        return u'-';
    return c;
}

bool isOperator(QChar c)
{
    c = operatorOf(c);
    return c == u'+' || c == u'-' || c == u'*' || c == u'/';
}

struct PasteLine {
    QString raw;
    QChar op; // null when the line gives none
    QString figure;
};

} // namespace

QString PlainFigure(QStringView text, const NumberFormat& format)
{
    if (!format.isNumber(text))
        return text.toString();
    QString plain;
    plain.reserve(text.size());
    for (QChar c : text) {
        if (c == format.decimalPoint() || !format.isGroupSeparator(c))
            plain += c;
    }
    return plain;
}

QString CopyText(const TapeModel& tape, CellId id)
{
    const Cell& c = tape.cell(id);
    const int size = int(c.text.size());
    const int caret = std::clamp(c.caret, 0, size);
    const int sel = std::clamp(c.selLength, 0, size - caret);
    const bool whole = sel == 0 || sel == size;
    if (id.kind == CellKind::Nombre && whole)
        return PlainFigure(c.text, tape.numberFormat());
    return whole ? c.text : c.text.mid(caret, sel);
}

QString TapeAsColumns(const TapeModel& tape)
{
    QString out;
    for (int i = 0; i < TapeRowCount; ++i) {
        const QString& op = tape.Op(i).text;
        const QString& nombre = tape.Nombre(i).text;
        QString note = tape.note(i);
        if (op.isEmpty() && nombre.isEmpty() && note.isEmpty())
            continue;
        for (QChar& c : note) {
            if (c == u'\t' || c == u'\r' || c == u'\n')
                c = u' ';
        }
        out += op + u'\t' + PlainFigure(nombre, tape.numberFormat()) + u'\t' + note + u'\n';
    }
    return out;
}

std::optional<QString> PastedFigure(QStringView text, const NumberFormat& format)
{
    QStringView s = text.trimmed();
    bool negative = false;
    if (s.size() >= 2 && s.front() == u'(' && s.back() == u')') {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    // A sign and a currency sign in front, in either order, and a currency sign behind.
    for (bool more = true; more && !s.isEmpty();) {
        more = false;
        const QChar c = operatorOf(s.front());
        if ((c == u'-' || c == u'+') && !negative) {
            negative = c == u'-';
            s = s.mid(1).trimmed();
            more = true;
        } else if (isCurrency(c)) {
            s = s.mid(1).trimmed();
            more = true;
        }
    }
    if (!s.isEmpty() && isCurrency(s.back()))
        s = s.chopped(1).trimmed();

    // The exponent of a figure the program wrote itself ("1,5E+20").
    QStringView exponent;
    const qsizetype e = s.indexOf(u'E', 0, Qt::CaseInsensitive);
    if (e > 0) {
        exponent = s.mid(e + 1);
        s = s.left(e);
        QStringView digits = exponent;
        if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-'))
            digits = digits.mid(1);
        if (digits.isEmpty())
            return std::nullopt;
        for (QChar c : digits) {
            if (!isAsciiDigit(c))
                return std::nullopt;
        }
    }

    int points = 0;
    int commas = 0;
    qsizetype lastMark = -1;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'.' || c == u',') {
            (c == u'.' ? points : commas) += 1;
            lastMark = i;
        } else if (!isAsciiDigit(c) && !isBlankGroup(c)) {
            return std::nullopt;
        }
    }

    // Which mark, if any, is the decimal one.
    qsizetype decimalAt = -1;
    if (points > 0 && commas > 0) {
        decimalAt = lastMark; // "1,234.56" and "1.234,56": the last one
        if ((s[lastMark] == u'.' ? points : commas) > 1)
            return std::nullopt;
    } else if (points + commas == 1) {
        qsizetype after = 0;
        while (lastMark + 1 + after < s.size() && isAsciiDigit(s[lastMark + 1 + after]))
            ++after;
        const QChar mark = s[lastMark];
        const bool blanksGroup = [&] {
            for (QChar c : s)
                if (isBlankGroup(c))
                    return true;
            return false;
        }();
        // Three digits after a lone mark could be a group: the regional settings say.
        const bool group = after == 3 && !blanksGroup && mark != format.decimalPoint() &&
                           format.isGroupSeparator(mark);
        if (!group)
            decimalAt = lastMark;
    }

    // Groups after the first hold three digits each.
    QString digits;
    QString fraction;
    int run = 0;
    bool grouped = false;
    bool firstGroup = true;
    for (qsizetype i = 0; i < (decimalAt < 0 ? s.size() : decimalAt); ++i) {
        const QChar c = s[i];
        if (isAsciiDigit(c)) {
            digits += c;
            ++run;
            continue;
        }
        if (run == 0 || (!firstGroup && run != 3))
            return std::nullopt;
        firstGroup = false;
        grouped = true;
        run = 0;
    }
    if (grouped && run != 3)
        return std::nullopt;
    if (decimalAt >= 0) {
        for (qsizetype i = decimalAt + 1; i < s.size(); ++i) {
            if (!isAsciiDigit(s[i]))
                return std::nullopt;
            fraction += s[i];
        }
    }
    if (digits.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    QString figure;
    if (negative)
        figure += u'-';
    figure += digits.isEmpty() ? QStringLiteral("0") : digits;
    if (!fraction.isEmpty()) {
        figure += format.decimalPoint();
        figure += fraction;
    }
    if (!exponent.isEmpty()) {
        figure += u'E';
        figure += exponent;
    }
    if (!format.isNumber(figure))
        return std::nullopt;
    return figure;
}

PasteOutcome Paste(TapeModel& tape, CellId id, const QString& text)
{
    PasteOutcome outcome;
    if (id.kind == CellKind::Op) {
        // An operator cell takes an operator, as typing one there does, and nothing else.
        const QString op = text.trimmed();
        if (op.size() == 1 && (isOperator(op[0]) || op == u"=")) {
            TapeModel::Handler scope(tape);
            tape.setText(id, QString(operatorOf(op[0])));
        } else if (!op.isEmpty()) {
            outcome.skipped = 1;
        }
        return outcome;
    }
    std::vector<PasteLine> lines;
    for (QString line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        PasteLine entry{line, QChar(), QString()};
        QString number = line;
        if (line.contains(u'\t')) {
            // A row as "Copy the tape" writes it: operator, figure, note.
            const QStringList fields = line.split(u'\t');
            const QString op = fields[0].trimmed();
            if (op == u"=")
                continue; // a result is worked out again, not entered
            if (op.size() == 1 && isOperator(op[0]))
                entry.op = operatorOf(op[0]);
            number = fields.size() > 1 ? fields[1] : QString();
        } else if (line.size() > 1 && isOperator(line[0])) {
            entry.op = operatorOf(line[0]);
            number = line.mid(1);
        }
        const std::optional<QString> figure = PastedFigure(number, tape.numberFormat());
        if (!figure) {
            ++outcome.skipped;
            continue;
        }
        entry.figure = *figure;
        lines.push_back(entry);
    }
    if (lines.empty())
        return outcome;

    TapeModel::Handler scope(tape);
    tape.HideHints();
    if (lines.size() == 1 && outcome.skipped == 0) {
        // One number goes in at the caret, as typed digits would; its sign is its own.
        const std::optional<QString> whole = PastedFigure(lines.front().raw, tape.numberFormat());
        const QString figure = whole ? *whole : lines.front().figure;
        const Cell& c = tape.cell(id);
        const int size = int(c.text.size());
        const int caret = std::clamp(c.caret, 0, size);
        const int sel = std::clamp(c.selLength, 0, size - caret);
        tape.setText(id, c.text.left(caret) + figure + c.text.mid(caret + sel));
        tape.setCaret(id, caret + int(figure.size()), 0);
        outcome.figures = 1;
        return outcome;
    }

    // The rows start at the current row, the one whose cell has the focus.
    bool first = true;
    for (const PasteLine& line : lines) {
        const QChar op = line.op.isNull() ? QChar(u'+') : line.op;
        const int row = tape.entry().CurrentRow;
        if (first && tape.Nombre(row).text.isEmpty() && tape.Op(row).text != u"=") {
            // The first figure takes the empty row it was pasted in.
            if (!line.op.isNull() || tape.Op(row).text.isEmpty())
                tape.setText(CellId::Op(row), QString(op));
        } else {
            tape.typeOperator(op.unicode());
        }
        first = false;
        tape.setText(CellId::Nombre(tape.entry().CurrentRow), line.figure);
        ++outcome.figures;
    }
    tape.typeOperator(u'=');
    return outcome;
}

} // namespace talco
