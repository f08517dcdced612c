#include "files/tapetext.h"

#include "divers/ansi.h"
#include "tape/tapemodel.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace talco {

namespace {

// Records after row 99 are Talco's own; a reader that applies only rows 0 to 99 skips
// them. This one says which separators the figures above it were written with, so that
// a tape opened under other regional settings keeps its values.
constexpr char16_t SeparatorsRecord[] = u"separators";
// A row's note: "note TAB row TAB text", the text escaped so that it stays on its line
// and survives the 8-bit encoding.
constexpr char16_t NoteRecord[] = u"note";

QString encodeNote(QStringView note)
{
    QString out;
    out.reserve(note.size());
    for (qsizetype i = 0; i < note.size(); ++i) {
        const char16_t c = note[i].unicode();
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (c < 0x20 || c == 0x7F || !inAnsi(c) || QChar::isSurrogate(c)) {
            char32_t code = c;
            if (QChar::isHighSurrogate(c) && i + 1 < note.size() && note[i + 1].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, note[++i].unicode());
            out += QStringLiteral("\\u{%1}").arg(uint(code), 0, 16);
        } else {
            out += QChar(c);
        }
    }
    return out;
}

QString decodeNote(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[i + 1];
        if (next == u'\\' || next == u't' || next == u'n' || next == u'r') {
            out += next == u't'   ? QChar(u'\t')
                   : next == u'n' ? QChar(u'\n')
                   : next == u'r' ? QChar(u'\r')
                                  : QChar(u'\\');
            ++i;
            continue;
        }
        const qsizetype close = text.indexOf(u'}', i);
        bool ok = false;
        const uint code =
            next == u'u' && i + 2 < text.size() && text[i + 2] == u'{' && close > i + 3
                ? text.mid(i + 3, close - i - 3).toUInt(&ok, 16)
                : 0;
        if (ok && code <= 0x10FFFF) {
            out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
            i = close;
        } else {
            out += c; // not an escape this program writes: kept as it stands
        }
    }
    return out;
}

QString codePoint(QChar c)
{
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper();
}

std::optional<QChar> readCodePoint(QStringView field)
{
    if (field.size() < 6 || !field.startsWith(u"U+"))
        return std::nullopt;
    bool ok = false;
    const uint code = field.mid(2).toUInt(&ok, 16);
    if (!ok || code > 0xFFFF)
        return std::nullopt;
    return QChar(char16_t(code));
}

// A separator that cannot be mistaken for part of a number.
bool plausibleSeparator(QChar c)
{
    return !c.isDigit() && !c.isLetter() && c != u'-' && c != u'+' && c != u'\t' && c != u'\r' &&
           c != u'\n';
}

struct TapeLine {
    int row = 0;
    QStringView op;
    QStringView nombre;
};

struct SplitTape {
    std::vector<TapeLine> rows;          // lines of exactly three fields, rows 0 to 99
    std::optional<NumberFormat> written; // the separators record, when there is one
    std::array<QString, TapeRowCount> notes;
};

// Cuts the text into lines at CR LF, LF or a lone CR, so that no line end ever lands in
// a cell. (A byte-order mark at the start would only sit in the first row number, which
// is never read.)
SplitTape splitTape(QStringView text)
{
    SplitTape split;
    qsizetype start = 0;
    for (int k = 0;; ++k) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = text.mid(start, end - start);
        const qsizetype tab1 = line.indexOf(u'\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf(u'\t', tab1 + 1);
        if (tab2 >= 0 && !line.sliced(tab2 + 1).contains(u'\t')) {
            const QStringView second = line.mid(tab1 + 1, tab2 - tab1 - 1);
            const QStringView third = line.mid(tab2 + 1);
            if (k <= LastRow) {
                split.rows.push_back({k, second, third});
            } else if (line.left(tab1) == QStringView(NoteRecord)) {
                bool ok = false;
                const int row = second.toInt(&ok);
                if (ok && row >= 0 && row <= LastRow)
                    split.notes[std::size_t(row)] = decodeNote(third);
            } else if (line.left(tab1) == QStringView(SeparatorsRecord)) {
                const std::optional<QChar> decimal = readCodePoint(second);
                const std::optional<QChar> group = readCodePoint(third);
                if (decimal && group && *decimal != *group && plausibleSeparator(*decimal) &&
                    plausibleSeparator(*group))
                    split.written = NumberFormat::withSeparators(*decimal, *group);
            }
        }
        if (end >= text.size())
            break;
        start =
            end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
    return split;
}

bool asciiDigitAt(QStringView text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

// The value of a figure written exactly as the program writes or a person types one
// under these separators: digits grouped by threes (or not at all), a decimal part,
// an exponent. Looser texts are no evidence of how a file was written.
std::optional<double> strictValue(QStringView text, const NumberFormat& format)
{
    text = text.trimmed();
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'-')
        ++i;
    int run = 0;    // digits since the last group separator
    int groups = 0; // group separators seen
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (asciiDigitAt(text, i)) {
            ++run;
        } else if (c != format.decimalPoint() && format.isGroupSeparator(c)) {
            // One to three digits before the first separator, three between two.
            if (run == 0 || run > 3 || (groups > 0 && run != 3))
                return std::nullopt;
            ++groups;
            run = 0;
        } else {
            break;
        }
    }
    if (groups > 0 && run != 3)
        return std::nullopt;
    int digits = run + (groups > 0 ? 1 : 0);
    if (i < text.size() && text[i] == format.decimalPoint()) {
        for (++i; asciiDigitAt(text, i); ++i)
            ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        const qsizetype expStart = i;
        while (asciiDigitAt(text, i))
            ++i;
        if (i == expStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    const ParsedNumber parsed = format.parse(text);
    if (!parsed.ok())
        return std::nullopt;
    return parsed.value;
}

// The convention a person would have written under before these settings: a decimal
// point where this one has a comma, and the other way round.
NumberFormat otherConvention(const NumberFormat& current)
{
    if (current.decimalPoint() == u',')
        return NumberFormat::withSeparators(u'.', u',');
    return NumberFormat::withSeparators(u',', QChar(0x00A0));
}

// A file that does not say how it was written is converted only when its figures leave
// no doubt: some read as numbers under the other convention alone, none reads under
// these settings alone, and none reads as two different numbers.
std::optional<NumberFormat> guessWritten(const SplitTape& split, const NumberFormat& current)
{
    const NumberFormat other = otherConvention(current);
    bool evidence = false;
    for (const TapeLine& line : split.rows) {
        if (line.nombre.trimmed().isEmpty())
            continue;
        const std::optional<double> here = strictValue(line.nombre, current);
        const std::optional<double> there = strictValue(line.nombre, other);
        if (here && (!there || *here != *there))
            return std::nullopt;
        evidence = evidence || (there && !here);
    }
    if (!evidence)
        return std::nullopt;
    return other;
}

bool sameSeparators(const NumberFormat& a, const NumberFormat& b)
{
    // Blank group separators stand for one another.
    return a.decimalPoint() == b.decimalPoint() && a.isGroupSeparator(b.groupSeparator());
}

} // namespace

QString ConvertFigure(QStringView text, const NumberFormat& from, const NumberFormat& to)
{
    if (!from.isNumber(text))
        return text.toString();
    QString out;
    out.reserve(text.size());
    // Character for character, so that the figure keeps its digits and a round trip
    // through other settings gives back the same text.
    for (QChar c : text) {
        if (c == from.decimalPoint())
            out += to.decimalPoint();
        else if (from.isGroupSeparator(c))
            out += to.groupSeparator();
        else
            out += c;
    }
    return out;
}

QString GetTapeText(const TapeModel& tape)
{
    QString text;
    text.reserve(TapeRowCount * 16 + 32);
    for (int i = 0; i < TapeRowCount; ++i) {
        text += QString::number(i);
        text += u'\t';
        text += tape.Op(i).text;
        text += u'\t';
        text += tape.Nombre(i).text;
        text += u"\r\n";
    }
    const NumberFormat& format = tape.numberFormat();
    text += QString::fromUtf16(SeparatorsRecord);
    text += u'\t';
    text += codePoint(format.decimalPoint());
    text += u'\t';
    text += codePoint(format.groupSeparator());
    text += u"\r\n";
    for (int i = 0; i < TapeRowCount; ++i) {
        if (tape.note(i).isEmpty())
            continue;
        text += QString::fromUtf16(NoteRecord);
        text += u'\t';
        text += QString::number(i);
        text += u'\t';
        text += encodeNote(tape.note(i));
        text += u"\r\n";
    }
    return text;
}

int LoadTapeText(TapeModel& tape, const QString& text, bool quietly)
{
    TapeModel::Handler scope(tape);
    const SplitTape split = splitTape(text);
    const NumberFormat& current = tape.numberFormat();
    std::optional<NumberFormat> written = split.written;
    if (!written)
        written = guessWritten(split, current);
    if (written && sameSeparators(*written, current))
        written.reset();

    std::vector<TapeModel::RowTexts> rows;
    rows.reserve(split.rows.size());
    for (const TapeLine& line : split.rows) {
        // A row the file gives takes the file's note, none included.
        rows.push_back(
            {line.row, line.op.toString(),
             written ? ConvertFigure(line.nombre, *written, current) : line.nombre.toString(),
             split.notes[std::size_t(line.row)]});
    }
    tape.loadRows(rows, quietly);

    int last = 0;
    for (const TapeLine& line : split.rows) {
        if (!tape.Op(line.row).text.isEmpty() && !tape.Nombre(line.row).text.isEmpty())
            last = line.row;
    }
    tape.setScrollPosition(std::max(0, last + 2 - tape.VisibleRows()));
    tape.setProxyRow(tape.scrollValue() + 1);
    return last;
}

void FocusAfterLastRow(TapeModel& tape, int last)
{
    const int target = std::min(last + 1, LastRow - 1);
    tape.bringIntoView(target);
    tape.setFocus(CellId::Nombre(target));
}

int OpenTapeText(TapeModel& tape, const QString& text)
{
    TapeModel::Handler scope(tape);
    const int last = LoadTapeText(tape, text);
    FocusAfterLastRow(tape, last);
    return last;
}

} // namespace talco
