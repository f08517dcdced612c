// Figures in and out of the tape: copy, the tape as columns, paste, and row notes.

#include "support/qstringprint.h"
#include "tape/clipboard.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace talco;
using namespace talco::tapetest;
using namespace Qt::StringLiterals;

namespace {

using talco::testsupport::PrintTo;

const QString Nbsp(QChar(0x00A0));

struct PasteCase {
    const char* name;
    QString text;
    const char* french;  // the figure entered under French settings, or nullptr for none
    const char* english; // the same under English settings
};

class PastedNumber : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PastedNumber, ReadsTheUsualWaysOfWritingANumber)
{
    const PasteCase& c = GetParam();
    for (const auto& [locale, want] : {std::pair{french(), c.french}, {english(), c.english}}) {
        SCOPED_TRACE(locale.name().toStdString());
        const std::optional<QString> got = PastedFigure(c.text, NumberFormat(locale));
        if (want)
            EXPECT_EQ(got, QString::fromUtf8(want));
        else
            EXPECT_FALSE(got) << got->toStdString();
    }
}

// clang-format off
const PasteCase PasteCases[] = {
    {"SpaceGroups", u"1 234,56"_s, "1234,56", "1234.56"},
    {"NoBreakSpaceGroups", u"1\u00A0234,56"_s, "1234,56", "1234.56"},
    {"NarrowNoBreakSpaceGroups", u"1\u202F234\u202F567"_s, "1234567", "1234567"},
    {"PointDecimalCommaGroups", u"1,234.56"_s, "1234,56", "1234.56"},
    {"CommaDecimalPointGroups", u"1.234,56"_s, "1234,56", "1234.56"},
    {"PointDecimal", u"1234.56"_s, "1234,56", "1234.56"},
    {"Negative", u"-12"_s, "-12", "-12"},
    {"MinusSign", u"\u221212,5"_s, "-12,5", "-12.5"},
    {"LeadingMark", u",5"_s, "0,5", "0.5"},
    {"Parentheses", u"(12.00)"_s, "-12,00", "-12.00"},
    {"EuroAfter", u"12,50 \u20AC"_s, "12,50", "12.50"},
    {"DollarBefore", u"$1,234.50"_s, "1234,50", "1234.50"},
    {"PoundAndSign", u"-\u00A3 7"_s, "-7", "-7"},
    {"Francs", u"100 F"_s, "100", "100"},
    {"ProgramsOwnExponent", u"1,5E+20"_s, "1,5E+20", "1.5E+20"},
    {"OneDigitBeforeExponent", u"2E5"_s, "2E5", "2E5"},
    // A lone mark before three digits: the regional settings decide.
    {"AmbiguousComma", u"1,234"_s, "1,234", "1234"},
    {"AmbiguousPoint", u"1.234"_s, "1,234", "1.234"},
    {"ManyCommasGroup", u"1,234,567"_s, "1234567", "1234567"},
    {"Words", u"total"_s, nullptr, nullptr},
    {"BadGroups", u"1 23"_s, nullptr, nullptr},
    {"TwoDecimalMarks", u"1.2.3,4"_s, nullptr, nullptr},
    {"SignOnly", u"-"_s, nullptr, nullptr},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Forms, PastedNumber, ::testing::ValuesIn(PasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

class Clipboard : public ::testing::Test {
protected:
    TapeModel tape{DefaultSettings, french()};

    void SetUp() override { tape.setFocus(CellId::Nombre(0)); }

    QString rows(int first, int last) const
    {
        QStringList out;
        for (int i = first; i <= last; ++i)
            out << tape.Op(i).text + u'|' + QString(tape.Nombre(i).text).replace(Nbsp, u"_"_s);
        return out.join(u';');
    }
};

TEST_F(Clipboard, CopyGivesThePlainFigureOrThePartSelected)
{
    typeKeys(tape, u"1235.5+2=");
    const CellId result = CellId::Nombre(2);
    ASSERT_EQ(tape.Nombre(2).text, u"1 237,50"_s.replace(u' ', Nbsp));
    tape.setCaret(result, 0, 0);
    EXPECT_EQ(CopyText(tape, result), u"1237,50"_s);
    tape.setCaret(result, 0, int(tape.Nombre(2).text.size()));
    EXPECT_EQ(CopyText(tape, result), u"1237,50"_s);
    tape.setCaret(result, 2, 3);
    EXPECT_EQ(CopyText(tape, result), u"237"_s);
    EXPECT_EQ(CopyText(tape, CellId::Op(2)), u"="_s);
}

TEST_F(Clipboard, TheTapeAsColumnsHasEveryUsedRowAndOnlyThose)
{
    typeKeys(tape, u"1234+5=");
    tape.editNote(1, u"fuel\tand\nparking"_s);
    tape.editNote(6, u"aside"_s);
    EXPECT_EQ(TapeAsColumns(tape),
              u"\t1234,00\t\n+\t5,00\tfuel and parking\n=\t1239,00\t\n\t\taside\n"_s);
}

TEST_F(Clipboard, ALineOfNumbersGoesInAtTheCaretAndColumnsBecomeRowsInOneStep)
{
    typeKeys(tape, u"15");
    tape.setCaret(CellId::Nombre(0), 1, 0);
    EXPECT_EQ(Paste(tape, CellId::Nombre(0), u" (2,5) "_s).figures, 1);
    EXPECT_EQ(tape.Nombre(0).text, u"1-2,55"_s) << "in at the caret, as typed";
    EXPECT_EQ(tape.Nombre(0).caret, 5);
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.Nombre(0).text, u"15"_s);

    tape.focusIn(CellId::Nombre(1));
    const PasteOutcome outcome =
        Paste(tape, CellId::Nombre(1), u"12\r\n+3\n\n-1.5\nno figure\n\u00D7 2\n=\t99\t\n"_s);
    EXPECT_EQ(outcome.figures, 4);
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(rows(0, 6), u"|15,00;+|12,00;+|3,00;-|1,50;*|2,00;=|57,00;|"_s);
    expectFocusOnNombre(tape, 6);
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(rows(0, 2), u"|15;|;|"_s) << "one paste, one step";
}

TEST_F(Clipboard, ColumnsPastedNearTheBottomShiftTheTapeWithoutLosingAnOperator)
{
    tape.focusIn(CellId::Nombre(95));
    Paste(tape, CellId::Nombre(95), u"1\n2\n3\n4\n5"_s);
    int last = LastRow;
    while (tape.Op(last).text != u"=")
        --last;
    EXPECT_EQ(tape.Nombre(last).text, u"15,00"_s);
    EXPECT_LE(last, LastRow - 2);
    EXPECT_EQ(Paste(tape, CellId::Op(3), u"*"_s).skipped, 0);
    EXPECT_EQ(tape.Op(3).text, u"*"_s);
    EXPECT_EQ(Paste(tape, CellId::Op(3), u"12"_s).skipped, 1);
}

TEST_F(Clipboard, NotesMoveWithTheirRowsAreCutAt200CharactersAndComeBackWithUndo)
{
    QString longNote;
    for (int i = 0; i < 199; ++i)
        longNote += u'x';
    longNote += u"\U0001F642\U0001F642"_s; // characters beyond the basic plane
    tape.editNote(97, longNote);
    EXPECT_EQ(tape.note(97), longNote.left(201)) << "200 characters, the last one whole";

    tape.editNote(5, u"kept"_s);
    tape.focusIn(CellId::Nombre(97));
    typeKeys(tape, u"7"); // the tape moves up three rows
    EXPECT_EQ(tape.note(94), longNote.left(201));
    EXPECT_EQ(tape.note(2), u"kept"_s);
    EXPECT_EQ(tape.note(97), QString());
    const double before = tape.recalcStats().passes;
    tape.editNote(2, u"changed"_s);
    EXPECT_EQ(tape.recalcStats().passes, before) << "notes are never worked out";

    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.note(2), u"kept"_s);
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tape.note(5), u"kept"_s);
    EXPECT_EQ(tape.note(94), QString());
}

} // namespace
