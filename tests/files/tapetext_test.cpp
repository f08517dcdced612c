#include "files/tapetext.h"
#include "support/qstringprint.h"

#include "files/ansi.h"
#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

using namespace talco;

namespace {

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
    tape.entry().Busy = true;
    for (int i = 0; i < TapeRowCount; ++i) {
        tape.setText(CellId::Op(i), QString::fromUtf16(ops[i % std::size(ops)]));
        tape.setText(CellId::Nombre(i), QString::fromUtf16(numbers[i % std::size(numbers)]));
    }
    const QString text = GetTapeText(tape);

    FrenchTape other;
    other.tape.entry().Busy = true;
    const QString extra = QStringLiteral("100\t-\t9\r\n99\t-\t9\r\n");
    EXPECT_EQ(LoadTapeText(other.tape, fromAnsi(toAnsi(text + extra))), LastRow); // "+", "1E+20"
    EXPECT_EQ(GetTapeText(other.tape), text);
}

TEST_F(TapeText, LinesApplyByPositionAndMisshapenOnesAreSkipped)
{
    tape.entry().Busy = true;
    for (int i = 0; i < TapeRowCount; ++i) {
        tape.setText(CellId::Op(i), QStringLiteral("x"));
        tape.setText(CellId::Nombre(i), QStringLiteral("old"));
    }
    // The row number is never read; one TAB or three leave the row as it was.
    const QString text = tapeLines(
        {u"7\t\t1", u"1\t+", u"2\t+\t5\t6", u"7\t-\t7", u"no tabs", u"\t*\t2", u"\t\t\t"});
    EXPECT_EQ(LoadTapeText(tape, text), 5);
    EXPECT_EQ(tape.Op(0).text, QString());
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("1"));
    EXPECT_EQ(tape.Op(3).text, QStringLiteral("-"));
    EXPECT_EQ(tape.Nombre(5).text, QStringLiteral("2"));
    for (int row : {1, 2, 4, 6, LastRow}) {
        EXPECT_EQ(tape.Op(row).text, QStringLiteral("x")) << "row " << row;
        EXPECT_EQ(tape.Nombre(row).text, QStringLiteral("old")) << "row " << row;
    }
}

TEST_F(TapeText, StoredResultsAreWorkedOutAgainUnlessBusy)
{
    // Rows 0 to 3 as a first start leaves them, with a stale result on row 3; the last
    // used row needs both cells, which only a recalculation gives row 6.
    const QString text = tapeLines({u"0\t\t13896,78", u"1\t+\t756,00", u"2\t+\t1256,25",
                                    u"3\t=\t999", u"4\t+\t", u"5\t\t4", u"6\t=\t"});
    // At start-up the caller loads with Busy set and recalculates once afterwards.
    tape.entry().Busy = true;
    EXPECT_EQ(LoadTapeText(tape, text), 3);
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
