#include "files/tapefile.h"
#include "files/tapetext.h"
#include "support/qstringprint.h"

#include "divers/ansi.h"
#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <initializer_list>
#include <iterator>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

using talco::testsupport::PrintTo;

QString tapeLines(std::initializer_list<const char16_t*> lines)
{
    QString text;
    for (const char16_t* line : lines)
        text += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return text;
}

struct FrenchTape {
    Settings settings;
    TapeModel tape{settings, QLocale(QStringLiteral("fr_FR"))};
};

class TapeText : public ::testing::Test, protected FrenchTape {};

TEST_F(TapeText, EveryCellSurvivesSaveAndOpenAndLinesPastTheLastRowAreIgnored)
{
    // Texts as they stand, blanks and all, including ones that are no number or operator.
    const char16_t* ops[] = {u"", u"+", u"-", u"*", u"/", u"=", u" x "};
    const char16_t* numbers[] = {u"1\u00A0234,5", u" 7 ", u"", u"\u00E9t\u00E9 \u20AC", u"1E+20"};
    std::vector<TapeModel::RowTexts> rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows.push_back({i, QString::fromUtf16(ops[i % std::size(ops)]),
                        QString::fromUtf16(numbers[i % std::size(numbers)]), QString()});
    tape.loadRows(rows, true);
    const QString text = GetTapeText(tape);
    EXPECT_TRUE(text.endsWith(u"\r\nseparators\tU+002C\tU+00A0\r\n"_s));

    FrenchTape other;
    const QString extra = QStringLiteral("100\t-\t9\r\n99\t-\t9\r\n");
    EXPECT_EQ(LoadTapeText(other.tape, fromAnsi(toAnsi(text + extra)), true),
              LastRow); // "+", "1E+20"
    EXPECT_EQ(GetTapeText(other.tape), text);
}

TEST_F(TapeText, LinesApplyByPositionAndMisshapenOnesAreSkipped)
{
    std::vector<TapeModel::RowTexts> rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows.push_back({i, QStringLiteral("x"), QStringLiteral("old"), QString()});
    tape.loadRows(rows, true);
    // The row number is never read; one TAB or three leave the row as it was.
    const QString text = tapeLines(
        {u"7\t\t1", u"1\t+", u"2\t+\t5\t6", u"7\t-\t7", u"no tabs", u"\t*\t2", u"\t\t\t"});
    EXPECT_EQ(LoadTapeText(tape, text, true), 5);
    EXPECT_EQ(tape.Op(0).text, QString());
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("1"));
    EXPECT_EQ(tape.Op(3).text, QStringLiteral("-"));
    EXPECT_EQ(tape.Nombre(5).text, QStringLiteral("2"));
    for (int row : {1, 2, 4, 6, LastRow}) {
        EXPECT_EQ(tape.Op(row).text, QStringLiteral("x")) << "row " << row;
        EXPECT_EQ(tape.Nombre(row).text, QStringLiteral("old")) << "row " << row;
    }
}

TEST_F(TapeText, StoredResultsAreWorkedOutAgainUnlessQuiet)
{
    // Rows 0 to 3 as a first start leaves them, with a stale result on row 3; the last
    // used row needs both cells, which only a recalculation gives row 6.
    const QString text = tapeLines({u"0\t\t13896,78", u"1\t+\t756,00", u"2\t+\t1256,25",
                                    u"3\t=\t999", u"4\t+\t", u"5\t\t4", u"6\t=\t"});
    // At start-up the tape is loaded quietly and recalculated once afterwards.
    EXPECT_EQ(LoadTapeText(tape, text, true), 3);
    EXPECT_EQ(tape.recalcStats().passes, 0);
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("999"));

    FrenchTape other;
    EXPECT_EQ(LoadTapeText(other.tape, text), 6);
    EXPECT_EQ(other.tape.Nombre(3).text, QString::fromUtf16(u"15\u00A0909,03"));
    EXPECT_TRUE(other.tape.Nombre(3).bold);
    EXPECT_EQ(other.tape.Nombre(6).text, QStringLiteral("4,00"));
}

struct OpenRow {
    const char* name;
    int lastUsed;
    int visibleRows;
    int focusRow;
    int scroll;
};

// The scroll position puts the row after the last used one at the bottom of the
// window, within the scroll range; the focus goes to that row, at most row 98.
const OpenRow OpenRows[] = {
    {"Empty", -1, 14, 1, 0},
    {"Row3FourShown", 3, 4, 4, 1},
    {"Row97", 97, 20, 98, 79},
    {"Row99FourShown", 99, 4, 98, 96},
};

class OpenFocus : public ::testing::TestWithParam<OpenRow>, protected FrenchTape {};

TEST_P(OpenFocus, ScrollsAndFocusesAShownRow)
{
    const OpenRow& row = GetParam();
    tape.setVisibleRows(row.visibleRows);
    QString text;
    for (int i = 0; i < row.lastUsed; ++i)
        text += QStringLiteral("%1\t\t\r\n").arg(i);
    if (row.lastUsed >= 0)
        text += QStringLiteral("%1\t+\t1\r\n").arg(row.lastUsed);

    EXPECT_EQ(OpenTapeText(tape, text), std::max(row.lastUsed, 0));
    EXPECT_EQ(tape.focusedCell(), CellId::Nombre(row.focusRow));
    EXPECT_TRUE(tape.Nombre(row.focusRow).visible);
    EXPECT_EQ(tape.scrollValue(), row.scroll);
    EXPECT_LE(tape.scrollValue(), tape.scrollMax());
    EXPECT_EQ(tape.ProxyRow(), row.scroll + 1);
}

INSTANTIATE_TEST_SUITE_P(LastUsedRows, OpenFocus, ::testing::ValuesIn(OpenRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

QString rowsOf(const TapeModel& tape)
{
    QString rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows += tape.Op(i).text + u'|' + tape.Nombre(i).text + u';';
    return rows;
}

TEST(TapeLines, AnyLineEndOrByteOrderMarkReadsTheSameAndNoLineEndStaysInACell)
{
    const QString texts[] = {
        QStringLiteral("0\t\t5\r\n1\t+\t6\r\n"),
        QStringLiteral("0\t\t5\n1\t+\t6\n"),
        QStringLiteral("0\t\t5\r1\t+\t6"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        FrenchTape f;
        EXPECT_EQ(LoadTapeText(f.tape, text, true), 1);
        EXPECT_EQ(f.tape.Nombre(0).text, QStringLiteral("5"));
        EXPECT_EQ(f.tape.Op(1).text, QStringLiteral("+"));
        EXPECT_EQ(f.tape.Nombre(1).text, QStringLiteral("6"));
    }
    // A first empty line still leaves the others to their rows.
    FrenchTape f;
    EXPECT_EQ(LoadTapeText(f.tape, QStringLiteral("\n1\t+\t6\n"), true), 1);
    EXPECT_EQ(f.tape.Nombre(1).text, QStringLiteral("6"));
}

struct WrittenCase {
    const char* name;
    const char* locale;   // the settings the file is opened under
    QString text;         // rows from 0, "op TAB number" each
    const char* record;   // the separators record, or nullptr for none
    QStringList expected; // the number cells of those rows once opened
};

QString fileText(const WrittenCase& c)
{
    QString text;
    const QStringList rows = c.text.split(u';');
    for (int i = 0; i < TapeRowCount; ++i)
        text += QString::number(i) + u'\t' + (i < rows.size() ? rows[i] : QStringLiteral("\t")) +
                QStringLiteral("\r\n");
    if (c.record)
        text += QString::fromUtf8(c.record) + QStringLiteral("\r\n");
    return text;
}

class WrittenElsewhere : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenElsewhere, FiguresKeepTheirValuesOnlyWhereTheFileLeavesNoDoubt)
{
    const WrittenCase& c = GetParam();
    Settings settings;
    TapeModel tape(settings, QLocale(QString::fromLatin1(c.locale)));
    LoadTapeText(tape, fileText(c), true);
    for (int i = 0; i < c.expected.size(); ++i)
        EXPECT_EQ(tape.Nombre(i).text, c.expected[i]) << "row " << i;
}

const QString Nbsp(QChar(0x00A0));

// clang-format off
const WrittenCase WrittenCases[] = {
    // The record says how the figures were written: each is rewritten, words are not.
    {"FrenchRecordUnderEnglish", "en_US", u"\t1 234,5;*\t4,00;=\tabc"_s.replace(u' ', Nbsp),
     "separators\tU+002C\tU+00A0", {u"1,234.5"_s, u"4.00"_s, u"abc"_s}},
    {"EnglishRecordUnderFrench", "fr_FR", u"\t1,234.50;+\t1.00;+\t7"_s,
     "separators\tU+002E\tU+002C", {u"1 234,50"_s.replace(u' ', Nbsp), u"1,00"_s, u"7"_s}},
    {"SameSeparatorsAsNow", "fr_FR", u"\t12,50;+\t1.5"_s, "separators\tU+002C\tU+00A0",
     {u"12,50"_s, u"1.5"_s}},
    // Without the record, only figures that read as numbers under the other convention
    // alone, with none against it, are converted.
    {"NoRecordFrenchUnderEnglish", "en_US", u"\t12,50;*\t4,00;=\t50,00;\tnote"_s, nullptr,
     {u"12.50"_s, u"4.00"_s, u"50.00"_s, u"note"_s}},
    {"NoRecordEnglishUnderFrench", "fr_FR", u"\t1,234.50;+\t1.00;+\t756"_s, nullptr,
     {u"1 234,50"_s.replace(u' ', Nbsp), u"1,00"_s, u"756"_s}},
    {"NoRecordExponent", "en_US", u"\t1,5E+20;+\t2;+\t1E"_s, nullptr, {u"1.5E+20"_s, u"2"_s, u"1E"_s}},
    {"NoRecordTwoReadings", "en_US", u"\t1,234;+\t12,50"_s, nullptr, {u"1,234"_s, u"12,50"_s}},
    {"NoRecordBothConventions", "fr_FR", u"\t12,5;+\t3.5"_s, nullptr, {u"12,5"_s, u"3.5"_s}},
    // A record that names digits is no record.
    {"BadRecordFallsBackToTheFigures", "en_US", u"\t1,5;+\t2"_s,
     "separators\tU+0031\tU+002C", {u"1.5"_s, u"2"_s}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Open, WrittenElsewhere, ::testing::ValuesIn(WrittenCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    const char* from;
    const char* to;
    const char* twoDecimals;
    const char* thousands;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Written under one regional setting, opened under the other and saved, then opened
// again under the first: rows 0 to 99 come back byte for byte, and every result kept
// its value on the way.
TEST_P(RoundTrip, ThroughOtherSettingsGivesBackTheSameBytes)
{
    const RoundTripCase& c = GetParam();
    Settings settings;
    settings.G_2Chiffres = QString::fromLatin1(c.twoDecimals);
    settings.G_3Chiffres = settings.G_2Chiffres == u"1" ? u"0"_s : u"1"_s;
    settings.G_Milliers = QString::fromLatin1(c.thousands);
    const QLocale from(QString::fromLatin1(c.from));
    const QLocale to(QString::fromLatin1(c.to));

    TapeModel first(settings, from);
    first.setFocus(CellId::Nombre(0));
    for (char16_t key : std::u16string_view(u"1234.5+0.125*3-1000000=7.25/4="))
        first.typeKey(*first.focusedCell(), key);
    const QString written = GetTapeText(first);

    TapeModel other(settings, to);
    OpenTapeText(other, fromAnsi(toAnsi(written)));
    for (int row : {4, 7}) {
        ASSERT_EQ(first.Op(row).text, u"="_s);
        EXPECT_EQ(NumberFormat(to).parse(other.Nombre(row).text).value,
                  NumberFormat(from).parse(first.Nombre(row).text).value)
            << "row " << row;
    }

    TapeModel back(settings, from);
    OpenTapeText(back, fromAnsi(toAnsi(GetTapeText(other))));
    EXPECT_EQ(toAnsi(rowsOf(back)), toAnsi(rowsOf(first)));
    EXPECT_EQ(toAnsi(GetTapeText(back)), toAnsi(written));
}

// clang-format off
const RoundTripCase RoundTrips[] = {
    {"FrenchTwoGrouped", "fr_FR", "en_US", "1", "1"},
    {"FrenchThreePlain", "fr_FR", "en_US", "0", "0"},
    {"EnglishTwoPlain", "en_US", "fr_FR", "1", "0"},
    {"EnglishThreeGrouped", "en_US", "fr_FR", "0", "1"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Settings, RoundTrip, ::testing::ValuesIn(RoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Any text comes back from the file exactly: tabs, line breaks, markup, characters the
// 8-bit encoding lacks, 200 characters. A tape without notes has no note line at all.
TEST(TapeNotes, AwkwardTextsComeBackExactlyAndMoveWithOpen)
{
    QString longest(MaxNoteLength - 1, u'n');
    longest += u'\\';
    const QString notes[] = {u"a\tb\r\nc\\n"_s, u"<b>&amp;</b> \"x\""_s,
                             u"\u03A3 \u20AC \u00E9 \U0001F642 \u0001"_s, longest};
    FrenchTape written;
    const QString bare = GetTapeText(written.tape);
    EXPECT_FALSE(bare.contains(u"note"_s));
    for (int i = 0; i < 4; ++i)
        written.tape.setNote(i * 30, notes[i]);
    const QByteArray bytes = toAnsi(GetTapeText(written.tape));
    EXPECT_TRUE(bytes.startsWith(toAnsi(bare))) << "rows and separators first, as without notes";
    EXPECT_EQ(bytes.count("\r\n"), 105);

    FrenchTape read;
    read.tape.setNote(1, u"old"_s);
    LoadTapeText(read.tape, fromAnsi(bytes), true);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(read.tape.note(i * 30), notes[i]) << i;
    EXPECT_EQ(read.tape.note(1), QString()) << "a row the file gives takes the file's note";

    // Escapes this program does not write stay as they stand.
    LoadTapeText(read.tape,
                 u"0\t\t1\r\n"_s + QString(99, u'\n') + u"note\t0\t\\q \\u{zz} \\u{110000} end\\"_s,
                 true);
    EXPECT_EQ(read.tape.note(0), u"\\q \\u{zz} \\u{110000} end\\"_s);
}

} // namespace

namespace {

// Each refusal keeps the text as it was and names its reason, which the window and
// talco-tape put in words.
TEST(ReadTapeFile, RefusesWhatIsNotATapeAndSaysWhy)
{
    QTemporaryDir dir;
    const auto file = [&dir](const char* name, const QByteArray& bytes) {
        QFile out(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    };
    const struct {
        QString path;
        FileError::Reason reason;
    } refused[] = {
        {dir.path(), FileError::Folder},
        {dir.filePath(QStringLiteral("missing")), FileError::Missing},
        {QStringLiteral("/dev/null"), FileError::NotAFile},
        {file("nul.kvt", QByteArray("0\t\t1\0", 6)), FileError::Binary},
        {file("big.kvt", QByteArray(MaxTapeFileSize + 1, '1')), FileError::TooLarge},
    };
    for (const auto& r : refused) {
        QString text = QStringLiteral("kept");
        FileError error;
        EXPECT_FALSE(ReadTapeFile(r.path, text, &error)) << r.path.toStdString();
        EXPECT_EQ(error.reason, r.reason) << r.path.toStdString();
        EXPECT_EQ(text, QStringLiteral("kept"));
    }
}

TEST(ReadTapeFile, ReadsUtf8BehindAByteOrderMark)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"utf8.kvt"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF"
               "0\t\t1\xC2\xA0"
               "234,5\n");
    file.close();
    QString text;
    ASSERT_TRUE(ReadTapeFile(file.fileName(), text));
    EXPECT_EQ(text, u"0\t\t1\u00A0234,5\n"_s);
}

} // namespace
