// Recalculation: the running result down the tape, the look of each row, re-entry and
// overflow.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace talco;
using namespace talco::tapetest;

namespace {

// Every row's look follows from its operator text alone.
void expectLookFollowsOperators(const TapeModel& tape)
{
    for (int i = 0; i < TapeRowCount; ++i) {
        SCOPED_TRACE(i);
        const bool result = tape.Op(i).text == u"=";
        const Colour colour = result ? ResultColour : FigureColour;
        EXPECT_EQ(tape.Op(i).bold, result);
        EXPECT_EQ(tape.Nombre(i).bold, result);
        EXPECT_EQ(tape.Op(i).colour, colour);
        EXPECT_EQ(tape.Nombre(i).colour, colour);
        EXPECT_EQ(tape.Op(i).fontSize, 12);
        EXPECT_EQ(tape.Nombre(i).fontSize, Cell{}.fontSize);
    }
}

// ---- the running result, row by row (decimal point, reformat false) ----------------

struct RunCase {
    const char* name;
    std::vector<RowText> rows;
    std::vector<std::pair<int, std::u16string_view>> expected; // row, number text after
};

class RunningResult : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunningResult, GivesTheseTexts)
{
    const RunCase& c = GetParam();
    TapeModel tape(DefaultSettings, english());
    load(tape, c.rows);
    tape.Recalculate(false);
    for (const auto& [row, text] : c.expected) {
        SCOPED_TRACE(row);
        EXPECT_EQ(tape.Nombre(row).text, qs(text));
    }
    expectLookFollowsOperators(tape);
}

// clang-format off
const RunCase runCases[] = {
    {"NoPrecedence", {{u"", u"2"}, {u"+", u"3"}, {u"*", u"4"}, {u"=", u""}}, {{3, u"20.00"}}},
    {"DivisionByZeroGivesZeroAndResultCarriesOn",
     {{u"", u"10"}, {u"/", u"0"}, {u"=", u""}, {u"+", u"5"}, {u"=", u""}},
     {{2, u"0.00"}, {4, u"5.00"}}},
    {"FiguresAboveFirstStartRowContinueFromZero",
     {{u"+", u"50"}, {u"+", u"20"}, {u"=", u""}}, {{2, u"70.00"}}},
    {"EmptyAndUnparsableFiguresSkippedAndKept",
     {{u"", u"10"}, {u"+", u""}, {u"+", u"abc"}, {u"-", u"."}, {u"*", u"1.2.3"}, {u"=", u""}},
     {{1, u""}, {2, u"abc"}, {3, u"."}, {4, u"1.2.3"}, {5, u"10.00"}}},
    {"InertOperatorTexts",
     {{u"", u"10"}, {u"+ ", u"5"}, {u"++", u"5"}, {u"x", u"5"}, {u" =", u"5"}, {u"=", u""}},
     {{1, u"5"}, {4, u"5"}, {5, u"10.00"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Recalculate, RunningResult, ::testing::ValuesIn(runCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- reformatting figures ---------------------------------------------------------

TEST(RecalculateReformat, NestedPassesGiveStableTexts)
{
    // Operator, figure as loaded, text after the pass. The last figure loses digits when
    // rewritten; its result follows the figure as shown.
    // clang-format off
    const std::u16string_view rows[][3] = {
        {u"", u"1000", u"1\u00A0000,00"}, {u"+", u"2000,5", u"2\u00A0000,50"},
        {u"=", u"", u"3\u00A0000,50"},    {u"*", u"3", u"3,00"},
        {u"=", u"", u"9\u00A0001,50"},    {u"", u"0,1", u"0,10"},
        {u"/", u"4", u"4,00"},            {u"=", u"", u"0,03"},
        {u"", u"0,123456789", u"0,1234568"}, {u"*", u"100000000", u"100\u00A0000\u00A0000,00"},
        {u"=", u"", u"12\u00A0345\u00A0680,00"},
    };
    // clang-format on
    TapeModel tape(DefaultSettings, french());
    std::vector<RowText> texts;
    for (const auto& row : rows)
        texts.push_back({row[0], row[1]});
    load(tape, texts);
    tape.resetRecalcStats();
    tape.Recalculate(true);
    EXPECT_GT(tape.recalcStats().maxDepth, 1);
    for (int i = 0; i < int(std::size(rows)); ++i)
        EXPECT_EQ(tape.Nombre(i).text, qs(rows[i][2])) << "row " << i;
    expectLookFollowsOperators(tape);

    // A second pass over the recalculated tape changes nothing at all.
    tape.takeChanges();
    tape.Recalculate(true);
    EXPECT_TRUE(tape.takeChanges().empty());
}

TEST(RecalculateOptions, NextPassUsesChangedOptions)
{
    // The options window changes the settings in place; results above an edit follow.
    Settings settings;
    TapeModel tape(settings, french());
    tape.setFocus(CellId::Nombre(0));
    typeKeys(tape, u"10+5=");
    settings.G_2Chiffres = QStringLiteral("0");
    settings.G_3Chiffres = QStringLiteral("1");
    typeKeys(tape, u"7");
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("15,000"));
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("10,00")); // figures wait for "="
}

// ---- overflow ------------------------------------------------------------------------

struct OverflowCase {
    const char* name;
    std::vector<RowText> rows;
    int stopRow; // first row left as it was
};

class Overflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(Overflow, StopsAtThatRowAndLeavesRowsBelow)
{
    const OverflowCase& c = GetParam();
    for (bool reformat : {false, true}) {
        SCOPED_TRACE(reformat);
        TapeModel tape(DefaultSettings, english());
        load(tape, c.rows);
        tape.Recalculate(reformat);
        for (int i = 0; i < c.stopRow; ++i)
            EXPECT_EQ(tape.Op(i).fontSize, 12) << "row " << i;
        for (int i = c.stopRow; i < TapeRowCount; ++i) {
            SCOPED_TRACE(i);
            const bool listed = i < int(c.rows.size());
            EXPECT_EQ(tape.Nombre(i).text, listed ? qs(c.rows[i].nombre) : QString());
            EXPECT_EQ(tape.Op(i).fontSize, Cell{}.fontSize);
            EXPECT_FALSE(tape.Nombre(i).bold);
        }
    }
}

const OverflowCase overflowCases[] = {
    {"Product", {{u"", u"1e308"}, {u"*", u"10"}, {u"=", u"old"}, {u"+", u"1"}, {u"=", u""}}, 1},
    {"Quotient", {{u"", u"1"}, {u"=", u""}, {u"", u"1e300"}, {u"/", u"1e-300"}, {u"=", u"old"}}, 3},
    {"StartFigureBeyondDouble", {{u"", u"5"}, {u"=", u""}, {u"", u"-1e999"}, {u"=", u"old"}}, 2},
};

INSTANTIATE_TEST_SUITE_P(Recalculate, Overflow, ::testing::ValuesIn(overflowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecalculateOverflow, RowsBelowKeepTheirEarlierResult)
{
    TapeModel tape(DefaultSettings, french());
    load(tape,
         {{u"", u"1e300"}, {u"*", u"10"}, {u"=", u""}, {u"", u"5"}, {u"+", u"3"}, {u"=", u""}});
    tape.Recalculate(false);
    const QString bigResult = tape.Nombre(2).text;
    ASSERT_TRUE(bigResult.startsWith(QStringLiteral("10\u00A0000\u00A0000")));

    tape.setText(CellId::Nombre(1), QStringLiteral("1e10"));
    EXPECT_EQ(tape.Nombre(2).text, bigResult);
    EXPECT_EQ(tape.Nombre(5).text, QStringLiteral("8,00"));

    // Back in range, the whole tape follows again.
    tape.setText(CellId::Nombre(1), QStringLiteral("2"));
    EXPECT_TRUE(tape.Nombre(2).text.startsWith(QStringLiteral("2\u00A0000\u00A0000")));
}

} // namespace
