// Figures in and out of the tape: copy, the tape as columns, paste, and row notes.

#include "tape/clipboard.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

using namespace talco;
using namespace talco::tapetest;
using namespace Qt::StringLiterals;

namespace {

TEST(PastedFigure, ReadsTheUsualWaysOfWritingANumber)
{
    // The figure entered under French and under English settings, or nullptr for none.
    const struct {
        QString text;
        const char *french, *english;
    } cases[] = {
        {u"1 234,56"_s, "1234,56", "1234.56"},
        {u"1\u00A0234,56"_s, "1234,56", "1234.56"},
        {u"1\u202F234\u202F567"_s, "1234567", "1234567"},
        {u"1,234.56"_s, "1234,56", "1234.56"},
        {u"1.234,56"_s, "1234,56", "1234.56"},
        {u"\u221212,5"_s, "-12,5", "-12.5"},
        {u",5"_s, "0,5", "0.5"},
        {u"(12.00)"_s, "-12,00", "-12.00"},
        {u"12,50 \u20AC"_s, "12,50", "12.50"},
        {u"$1,234.50"_s, "1234,50", "1234.50"},
        {u"-\u00A3 7"_s, "-7", "-7"},
        {u"100 F"_s, "100", "100"},
        {u"1,5E+20"_s, "1,5E+20", "1.5E+20"}, // as the program writes it
        {u"2E5"_s, "2E5", "2E5"},
        // A lone mark before three digits: the regional settings decide.
        {u"1,234"_s, "1,234", "1234"},
        {u"1 234,567"_s, "1234,567", "1234.567"}, // blanks group: the mark is decimal
        {u"1.234"_s, "1,234", "1.234"},
        {u"1,234,567"_s, "1234567", "1234567"},
        {u"1,234,567.5"_s, "1234567,5", "1234567.5"},
        {u"total"_s, nullptr, nullptr},
        {u"1 23"_s, nullptr, nullptr},
        {u"1.2.3,4"_s, nullptr, nullptr},
        {u"-"_s, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        for (const auto& [locale, want] : {std::pair{french(), c.french}, {english(), c.english}}) {
            SCOPED_TRACE(c.text.toStdString() + " under " + locale.name().toStdString());
            const std::optional<QString> got = PastedFigure(c.text, NumberFormat(locale));
            EXPECT_EQ(got.value_or(u"none"_s), want ? QString::fromUtf8(want) : u"none"_s);
        }
    }
}

class Clipboard : public ::testing::Test {
protected:
    TapeModel tape{DefaultSettings, french()};

    void SetUp() override { tape.setFocus(CellId::Nombre(0)); }
};

TEST_F(Clipboard, CopyAndTheTapeAsColumnsGivePlainFigures)
{
    typeKeys(tape, u"1235.5+2=");
    const CellId result = CellId::Nombre(2);
    ASSERT_EQ(tape.Nombre(2).text, u"1\u00A0237,50"_s);
    tape.setCaret(result, 0, 0);
    EXPECT_EQ(CopyText(tape, result), u"1237,50"_s);
    tape.setCaret(result, 0, int(tape.Nombre(2).text.size()));
    EXPECT_EQ(CopyText(tape, result), u"1237,50"_s);
    tape.setCaret(result, 2, 3);
    EXPECT_EQ(CopyText(tape, result), u"237"_s);
    EXPECT_EQ(CopyText(tape, CellId::Op(2)), u"="_s);

    // Every used row and only those, a note's tabs and line breaks made spaces.
    tape.editNote(1, u"fuel\tand\nparking"_s);
    tape.editNote(6, u"aside"_s);
    EXPECT_EQ(TapeAsColumns(tape),
              u"\t1235,50\t\n+\t2,00\tfuel and parking\n=\t1237,50\t\n\t\taside\n"_s);
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
    const PasteOutcome outcome = Paste(
        tape, CellId::Nombre(1), u"12\r\n+3\n\n-1.5\nno figure\n\u00D7 2\n-\t1\tx\n=\t99\t\n"_s);
    EXPECT_EQ(outcome.figures, 5);
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(tapeRows(tape, 0, 7), u"|15,00;+|12,00;+|3,00;-|1,50;*|2,00;-|1,00;=|56,00;|"_s);
    expectFocusOnNombre(tape, 7);
    ASSERT_TRUE(tape.undo());
    EXPECT_EQ(tapeRows(tape, 0, 2), u"|15;|;|"_s) << "one paste, one step";
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
    // 201 characters, the last two beyond the basic plane: the note keeps 200, the last whole.
    const QString longNote = QString(199, u'x') + u"\U0001F642\U0001F642"_s;
    tape.editNote(97, longNote);
    EXPECT_EQ(tape.note(97), longNote.left(201));

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
