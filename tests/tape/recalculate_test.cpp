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

TEST(Recalculate, SampleTapeFrench)
{
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"13896,78"}, {u"+", u"756,00"}, {u"+", u"1256,25"}, {u"=", u""}});
    tape.Recalculate(true);
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("13\u00A0896,78"));
    EXPECT_EQ(tape.Nombre(1).text, QStringLiteral("756,00"));
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("1\u00A0256,25"));
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("15\u00A0909,03"));
    expectLookFollowsOperators(tape);
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
    {"DivisionByZeroGivesZero",
     {{u"", u"10"}, {u"/", u"0"}, {u"=", u""}, {u"+", u"5"}, {u"=", u""}},
     {{2, u"0.00"}, {4, u"5.00"}}},
    {"ContinuesAfterResult",
     {{u"", u"100"}, {u"+", u"50"}, {u"=", u""}, {u"+", u"10"}, {u"=", u""}},
     {{2, u"150.00"}, {4, u"160.00"}}},
    {"StartRowAfterResult",
     {{u"", u"100"}, {u"+", u"50"}, {u"=", u""}, {u"", u"7"}, {u"+", u"1"}, {u"=", u""}},
     {{2, u"150.00"}, {5, u"8.00"}}},
    {"FiguresAboveFirstStartRowContinueFromZero",
     {{u"+", u"50"}, {u"+", u"20"}, {u"=", u""}}, {{2, u"70.00"}}},
    {"MinusAndNegativeResult", {{u"", u"3"}, {u"-", u"10"}, {u"=", u""}}, {{2, u"-7.00"}}},
    {"ResultRoundingToZeroHasNoMinus",
     {{u"", u"0.001"}, {u"*", u"-1"}, {u"=", u""}}, {{2, u"0.00"}}},
    {"EmptyFigureSkipped",
     {{u"", u"10"}, {u"+", u""}, {u"+", u"5"}, {u"=", u""}}, {{1, u""}, {3, u"15.00"}}},
    {"UnparsableFiguresSkippedAndKept",
     {{u"", u"10"}, {u"+", u"abc"}, {u"-", u"."}, {u"*", u"1.2.3"}, {u"=", u""}},
     {{1, u"abc"}, {2, u"."}, {3, u"1.2.3"}, {4, u"10.00"}}},
    {"TypedFigureOfResultRowIsLost",
     {{u"", u"10"}, {u"+", u"5"}, {u"=", u"999"}, {u"+", u"1"}, {u"=", u"x"}},
     {{2, u"15.00"}, {4, u"16.00"}}},
    {"InertOperatorTexts",
     {{u"", u"10"}, {u"+ ", u"5"}, {u"++", u"5"}, {u"x", u"5"}, {u" =", u"5"}, {u"=", u""}},
     {{1, u"5"}, {4, u"5"}, {5, u"10.00"}}},
    {"GroupedFigures",
     {{u"", u"1,000,000"}, {u"+", u"2,500.5"}, {u"=", u""}},
     {{0, u"1,000,000"}, {2, u"1,002,500.50"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Recalculate, RunningResult, ::testing::ValuesIn(runCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- reformatting figures ---------------------------------------------------------

TEST(RecalculateReformat, OnlyWhenAsked)
{
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"5"}, {u"+", u"1234,5"}, {u"+", u"abc"}, {u"=", u""}});
    tape.Recalculate(false);
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("5"));
    EXPECT_EQ(tape.Nombre(1).text, QStringLiteral("1234,5"));
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("1\u00A0239,50"));

    tape.Recalculate(true);
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("5,00"));
    EXPECT_EQ(tape.Nombre(1).text, QStringLiteral("1\u00A0234,50"));
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("abc"));
    EXPECT_EQ(tape.Nombre(3).text, QStringLiteral("1\u00A0239,50"));
}

TEST(RecalculateReformat, NestedPassesLeaveSameTapeAsFreshPass)
{
    const std::vector<RowText> rows = {
        {u"", u"1000"}, {u"+", u"2000,5"}, {u"=", u""},  {u"*", u"3"},
        {u"=", u""},    {u"", u"0,1"},     {u"/", u"4"}, {u"=", u""},
    };
    TapeModel tape(DefaultSettings, french());
    load(tape, rows);
    tape.resetRecalcStats();
    tape.Recalculate(true);
    EXPECT_GT(tape.recalcStats().maxDepth, 1);

    const std::u16string_view expected[] = {
        u"1\u00A0000,00", u"2\u00A0000,50", u"3\u00A0000,50", u"3,00",
        u"9\u00A0001,50", u"0,10",          u"4,00",          u"0,03",
    };
    for (int i = 0; i < int(std::size(expected)); ++i)
        EXPECT_EQ(tape.Nombre(i).text, qs(expected[i])) << "row " << i;
    expectLookFollowsOperators(tape);

    // A tape loaded from what is shown recalculates to the very same texts.
    std::vector<std::u16string> shown;
    for (int i = 0; i < int(rows.size()); ++i)
        shown.push_back(tape.Nombre(i).text.toStdU16String());
    std::vector<RowText> again;
    for (int i = 0; i < int(rows.size()); ++i)
        again.push_back({rows[i].op, shown[i]});
    TapeModel fresh(DefaultSettings, french());
    load(fresh, again);
    fresh.Recalculate(true);
    for (int i = 0; i < int(rows.size()); ++i)
        EXPECT_EQ(fresh.Nombre(i).text, tape.Nombre(i).text) << "row " << i;

    // And a second pass over the recalculated tape changes nothing at all.
    tape.takeChanges();
    tape.Recalculate(true);
    EXPECT_TRUE(tape.takeChanges().empty());
}

TEST(RecalculateReformat, ResultAgreesWithFiguresAsShown)
{
    // The figure loses digits when rewritten; the result follows the rewritten figure.
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"0,123456789"}, {u"*", u"100000000"}, {u"=", u""}});
    tape.Recalculate(true);
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("0,1234568"));
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("12\u00A0345\u00A0680,00"));
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

TEST(RecalculateLook, EveryPassSetsTheLookOfEveryRow)
{
    TapeModel tape(DefaultSettings, english());
    load(tape, {{u"", u"10"}, {u"+", u"5"}, {u"=", u""}, {u"", u"1"}});
    tape.Recalculate(false);
    tape.setColour(CellId::Op(1), ResultColour);
    tape.setBold(CellId::Nombre(2), false);
    tape.setFontSize(CellId::Op(0), 20);
    tape.setText(CellId::Nombre(3), QStringLiteral("2")); // an edit below them
    expectLookFollowsOperators(tape);
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
    {"Sum", {{u"", u"1.7e308"}, {u"+", u"1.7e308"}, {u"=", u"old"}}, 1},
    {"Quotient", {{u"", u"1"}, {u"=", u""}, {u"", u"1e300"}, {u"/", u"1e-300"}, {u"=", u"old"}}, 3},
    {"FigureBeyondDouble", {{u"", u"5"}, {u"+", u"1e999"}, {u"=", u"old"}}, 1},
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
    EXPECT_TRUE(tape.Nombre(2).bold);
    EXPECT_EQ(tape.Nombre(2).colour, ResultColour);
    EXPECT_EQ(tape.Nombre(5).text, QStringLiteral("8,00"));

    // Back in range, the whole tape follows again.
    tape.setText(CellId::Nombre(1), QStringLiteral("2"));
    EXPECT_TRUE(tape.Nombre(2).text.startsWith(QStringLiteral("2\u00A0000\u00A0000")));
}

} // namespace
