#include "files/tapefile.h"
#include "files/tapetext.h"
#include "support/qstringprint.h"

#include "divers/ansi.h"
#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <iterator>
#include <tuple>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

using talco::testsupport::PrintTo;

struct FrenchTape {
    Settings settings;
    TapeModel tape{settings, QLocale(QStringLiteral("fr_FR"))};
};

// "op|number;" for each of the first count rows.
QString rowsOf(const TapeModel& tape, int count = TapeRowCount)
{
    QString rows;
    for (int i = 0; i < count; ++i)
        rows += tape.Op(i).text + u'|' + tape.Nombre(i).text + u';';
    return rows;
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    QFile out(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    return out.fileName();
}

// Every cell and note comes back from the file exactly: blanks, texts that are no number
// or operator, tabs and line breaks, markup, characters the 8-bit encoding lacks, 200
// characters. Note lines follow the rows and separators, and only when there are notes.
TEST(TapeText, EveryCellAndNoteSurvivesSaveAndOpenAndLinesPastTheLastRowAreIgnored)
{
    const char16_t* ops[] = {u"", u"+", u"-", u"*", u"/", u"=", u" x "};
    const char16_t* numbers[] = {u"1\u00A0234,5", u" 7 ", u"", u"\u00E9t\u00E9 \u20AC", u"1E+20"};
    std::vector<TapeModel::RowTexts> rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows.push_back({i, QString::fromUtf16(ops[i % std::size(ops)]),
                        QString::fromUtf16(numbers[i % std::size(numbers)]), QString()});
    FrenchTape written, read;
    written.tape.loadRows(rows, true);
    const QString bare = GetTapeText(written.tape);
    EXPECT_TRUE(bare.endsWith(u"\r\n99\t+\t1E+20\r\nseparators\tU+002C\tU+00A0\r\n"_s));
    const QString notes[] = {u"a\tb\r\nc\\n"_s, u"<b>&amp;</b> \"x\""_s,
                             u"\u03A3 \u20AC \u00E9 \U0001F642 \u0001"_s,
                             QString(MaxNoteLength - 1, u'n') + u'\\'};
    for (int i = 0; i < 4; ++i)
        written.tape.setNote(i * 30, notes[i]);
    const QString text = GetTapeText(written.tape);
    EXPECT_TRUE(text.startsWith(bare));
    EXPECT_EQ(text.count(u"\r\n"_s), 105);
    EXPECT_TRUE(text.contains(u"\\u{1f642}"_s)); // one escape for a character beyond 16 bits

    read.tape.setNote(1, u"old"_s); // a row the file gives takes the file's note, none included
    const QString past = u"100\t-\t9\r\n99\t-\t9\r\n"_s; // after row 99: ignored
    EXPECT_EQ(LoadTapeText(read.tape, fromAnsi(toAnsi(text + past)), true), LastRow);
    EXPECT_EQ(GetTapeText(read.tape), text);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(read.tape.note(i * 30), notes[i]) << i;

    // Escapes this program does not write stay as they stand.
    LoadTapeText(read.tape,
                 u"0\t\t1\r\n"_s + QString(99, u'\n') + u"note\t0\t\\q \\u{zz} \\u{110000} end\\"_s,
                 true);
    EXPECT_EQ(read.tape.note(0), u"\\q \\u{zz} \\u{110000} end\\"_s);
}

// Lines apply by position, from a first empty one on (the row number is never read);
// lines with one TAB or three leave their row as it was, and no line end stays in a cell.
TEST(TapeText, AnyLineEndOrByteOrderMarkReadsTheSameAndMisshapenLinesAreSkipped)
{
    const QString lines = u"|7\t\t1\u00A0234,5|1\t+|2\t+\t5\t6|7\t-\t7|no tabs|\t*\t2|\t\t\t"_s;
    const std::tuple<const char*, QString, bool> files[] = {
        // name, text, UTF-8 with a BOM
        {"CrLf", QString(lines).replace(u'|', u"\r\n"_s) + u"\r\n"_s, false},
        {"Lf", QString(lines).replace(u'|', u'\n') + u'\n', false},
        {"CrNoFinalEnd", QString(lines).replace(u'|', u'\r'), false},
        {"Utf8WithBom", QString(lines).replace(u'|', u'\n'), true},
    };
    QTemporaryDir dir;
    // A refusal (talco-tape's tests give its words) leaves the text as it was.
    QString kept = u"kept"_s;
    EXPECT_FALSE(ReadTapeFile(writeFile(dir, "big", QByteArray(MaxTapeFileSize + 1, '1')), kept));
    EXPECT_EQ(kept, u"kept"_s);
    for (const auto& [name, fileText, utf8] : files) {
        SCOPED_TRACE(name);
        QString text;
        ASSERT_TRUE(ReadTapeFile(
            writeFile(dir, name, utf8 ? "\xEF\xBB\xBF" + fileText.toUtf8() : toAnsi(fileText)),
            text));
        EXPECT_EQ(text, fileText);
        FrenchTape t;
        for (int row : {0, 2, 3, 5, 7})
            t.tape.loadRows({{row, u"x"_s, u"old"_s}}, true);
        EXPECT_EQ(LoadTapeText(t.tape, text, true), 6);
        EXPECT_EQ(rowsOf(t.tape, 8), u"x|old;|1\u00A0234,5;x|old;x|old;-|7;x|old;*|2;x|old;"_s);
    }
}

TEST(TapeText, StoredResultsAreWorkedOutAgainUnlessQuiet)
{
    // Rows 0 to 3 as a first start leaves them, with a stale result on row 3; the last
    // used row needs both cells, which only a recalculation gives row 6.
    const QString text =
        u"0\t\t13896,78\n1\t+\t756,00\n2\t+\t1256,25\n3\t=\t999\n4\t+\t\n5\t\t4\n6\t=\t"_s;
    // At start-up the tape is loaded quietly and recalculated once afterwards.
    FrenchTape quiet, loud;
    EXPECT_EQ(LoadTapeText(quiet.tape, text, true), 3);
    EXPECT_EQ(quiet.tape.recalcStats().passes, 0);
    EXPECT_EQ(quiet.tape.Nombre(3).text, u"999"_s);
    EXPECT_EQ(LoadTapeText(loud.tape, text), 6);
    EXPECT_EQ(rowsOf(loud.tape, 7).section(u';', 3), u"=|15\u00A0909,03;+|;|4,00;=|4,00;"_s);
    EXPECT_TRUE(loud.tape.Nombre(3).bold);
}

// The scroll position puts the row after the last used one at the bottom of the
// window, within the scroll range; the focus goes to that row, at most row 98.
TEST(TapeText, OpenScrollsAndFocusesAShownRow)
{
    const struct {
        int lastUsed, visibleRows, focusRow, scroll;
    } cases[] = {{-1, 14, 1, 0}, {3, 4, 4, 1}, {97, 20, 98, 79}, {99, 4, 98, 96}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "last used row " << c.lastUsed);
        FrenchTape t;
        t.tape.setVisibleRows(c.visibleRows);
        const QString text = c.lastUsed < 0 ? QString() : QString(c.lastUsed, u'\n') + u"\t+\t1"_s;
        EXPECT_EQ(OpenTapeText(t.tape, text), std::max(c.lastUsed, 0));
        EXPECT_EQ(t.tape.focusedCell(), CellId::Nombre(c.focusRow));
        EXPECT_TRUE(t.tape.Nombre(c.focusRow).visible);
        EXPECT_EQ(t.tape.scrollValue(), c.scroll);
        EXPECT_EQ(t.tape.ProxyRow(), c.scroll + 1);
    }
}

// Figures keep their values only where the file leaves no doubt how they were written.
TEST(TapeText, FiguresWrittenUnderOtherSettingsKeepTheirValues)
{
    // clang-format off
    const struct {
        const char* name;
        const char* locale;      // the settings the file is opened under
        const char16_t* rows;    // "op TAB number" from row 0, ';' between rows
        const char* record;      // the separators record's fields, or nullptr for none
        const char16_t* numbers; // the number cells of those rows once opened
    } cases[] = {
        // The record says how the figures were written: each is rewritten, words are not.
        {"FrenchRecordUnderEnglish", "en_US", u"\t1\u00A0234,5;*\t4,00;=\tabc", "U+002C\tU+00A0", u"1,234.5;4.00;abc"},
        {"EnglishRecordUnderFrench", "fr_FR", u"\t1,234.50;+\t1.00;+\t7", "U+002E\tU+002C", u"1\u00A0234,50;1,00;7"},
        {"SameSeparatorsAsNow", "fr_FR", u"\t12,50;+\t1.5", "U+002C\tU+00A0", u"12,50;1.5"},
        // A record that names digits is no record.
        {"BadRecordFallsBackToTheFigures", "en_US", u"\t1,5;+\t2", "U+0031\tU+002C", u"1.5;2"},
        // Without the record, only figures that read as numbers under the other convention
        // alone, with none against it, are converted.
        {"NoRecordFrenchUnderEnglish", "en_US", u"\t12,50;*\t4,00;=\t50,00;\tnote", nullptr, u"12.50;4.00;50.00;note"},
        {"NoRecordEnglishUnderFrench", "fr_FR", u"\t1,234.50;+\t1.00;+\t756", nullptr, u"1\u00A0234,50;1,00;756"},
        {"NoRecordNegative", "en_US", u"\t-12,5;-\t-1", nullptr, u"-12.5;-1"},
        {"NoRecordLeadingMark", "en_US", u"\t,234", nullptr, u".234"},
        {"NoRecordFourDigitsBeforeAGroup", "en_US", u"\t1234,567", nullptr, u"1234.567"},
        {"NoRecordThreeDigitGroups", "fr_FR", u"\t123,456,789.5", nullptr, u"123\u00A0456\u00A0789,5"},
        {"NoRecordExponent", "en_US", u"\t1,5E+20;+\t2;+\t1E", nullptr, u"1.5E+20;2;1E"},
        {"NoRecordTwoReadings", "en_US", u"\t1,234;+\t12,50", nullptr, u"1,234;12,50"},
        {"NoRecordBothConventions", "fr_FR", u"\t12,5;+\t3.5", nullptr, u"12,5;3.5"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList rows = QString::fromUtf16(c.rows).split(u';');
        QString text;
        for (int i = 0; i < TapeRowCount; ++i)
            text += QString::number(i) + u'\t' + (i < rows.size() ? rows[i] : u"\t"_s) + u"\r\n"_s;
        if (c.record)
            text += u"separators\t"_s + QString::fromUtf8(c.record) + u"\r\n"_s;
        Settings settings;
        TapeModel tape(settings, QLocale(QString::fromLatin1(c.locale)));
        LoadTapeText(tape, text, true);
        QStringList numbers;
        for (int i = 0; i < rows.size(); ++i)
            numbers << tape.Nombre(i).text;
        EXPECT_EQ(numbers.join(u';'), QString::fromUtf16(c.numbers));
    }
}

// Written under one regional setting, opened under the other and saved, then opened
// again under the first: rows 0 to 99 come back byte for byte, and every result kept
// its value on the way.
TEST(TapeText, RoundTripThroughOtherSettingsGivesBackTheSameBytes)
{
    for (int k = 0; k < 8; ++k) { // French or English, two or three decimals, grouped or not
        const bool french = k & 1, two = k & 2, grouped = k & 4;
        SCOPED_TRACE(::testing::Message()
                     << "french " << french << " two " << two << " grouped " << grouped);
        Settings settings;
        settings.G_2Chiffres = two ? u"1"_s : u"0"_s;
        settings.G_3Chiffres = two ? u"0"_s : u"1"_s;
        settings.G_Milliers = grouped ? u"1"_s : u"0"_s;
        const QLocale here(french ? u"fr_FR"_s : u"en_US"_s),
            there(french ? u"en_US"_s : u"fr_FR"_s);
        TapeModel first(settings, here), other(settings, there), back(settings, here);
        first.setFocus(CellId::Nombre(0));
        for (char16_t key : std::u16string_view(u"1234.5+0.125*3-1000000=7.25/4="))
            first.typeKey(*first.focusedCell(), key);
        const QString written = GetTapeText(first);
        OpenTapeText(other, fromAnsi(toAnsi(written)));
        for (int row : {4, 7}) {
            ASSERT_EQ(first.Op(row).text, u"="_s);
            EXPECT_EQ(NumberFormat(there).parse(other.Nombre(row).text).value,
                      NumberFormat(here).parse(first.Nombre(row).text).value)
                << "row " << row;
        }
        OpenTapeText(back, fromAnsi(toAnsi(GetTapeText(other))));
        EXPECT_EQ(toAnsi(rowsOf(back)), toAnsi(rowsOf(first)));
        EXPECT_EQ(toAnsi(GetTapeText(back)), toAnsi(written));
    }
}

} // namespace
