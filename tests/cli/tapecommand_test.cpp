// talco-tape's options, run in-process through runTapeCommand().

#include "cli/tapecommand.h"
#include "divers/ansi.h"
#include "support/qstringprint.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

using talco::testsupport::PrintTo;

// A folder of files to give the options. Arguments are written as one line split at
// spaces, '~' standing for a space within one and "%D" for the folder.
class Folder {
protected:
    Folder()
    {
        write("three.txt", "2CHIFFRES\t0\r\n3CHIFFRES\t1\r\n");
        // A saved tape need not hold all 100 lines; its result is wrong on purpose.
        write("saved.kvt", "0\t\t100\r\n1\t+\t50\r\n2\t=\t999\r\n");
        write("bin.dat", QByteArray("LANGUE\tEN\r\n\0", 13));
    }

    void write(const char* name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString expand(const char* text) const
    {
        return QString::fromUtf8(text).replace(u"%D"_s, m_dir.path());
    }

    CommandOutput run(const char* args) const
    {
        QStringList list;
        for (const QString& arg : expand(args).split(u' '))
            list << QString(arg).replace(u'~', u' ');
        return runTapeCommand(list);
    }

    QTemporaryDir m_dir;
};

struct Session {
    const char* name;
    const char* args;
    int first;            // the first filled row
    const char16_t* rows; // "operator TAB number" of the filled rows, '|' between them
    const char* err = ""; // all of standard error: messages and the state line
    // The record after row 99: the separators of the settings last given.
    const char16_t* separators = u"U+002C\tU+00A0";
    const char16_t* notes = u""; // the note records after it
};

class TapeSession : public ::testing::TestWithParam<Session>, protected Folder {};

TEST_P(TapeSession, WritesTheTapeAndState)
{
    const Session& s = GetParam();
    const CommandOutput output = run(s.args);
    const QStringList rows = QString::fromUtf16(s.rows).split(u'|', Qt::SkipEmptyParts);
    QString tape;
    for (int i = 0; i < 100; ++i) {
        const bool filled = i >= s.first && i - s.first < rows.size();
        tape += QString::number(i) + u'\t' + (filled ? rows[i - s.first] : u"\t"_s) + u"\r\n"_s;
    }
    tape += u"separators\t"_s + QString::fromUtf16(s.separators) + u"\r\n"_s +
            QString::fromUtf16(s.notes);
    EXPECT_EQ(output.exitCode, 0) << output.err.toStdString();
    EXPECT_EQ(fromAnsi(output.out), tape);
    EXPECT_EQ(output.err.toStdString(), s.err);
}

// clang-format off
const Session Sessions[] = {
    // The shift moves the tape up by three rows; the next digit extends the figure.
    {"DigitInRow97ShiftsTapeUp", "--locale fr_FR --keys 1+2= --focus 95 --keys 4+5+67 --state", 92, u"\t4|+\t5|+\t67",
     "state: row=94 op=0 focus=Nombre(94) caret=2 sel=0 scroll=84 visible=14\n"},
    {"FewVisibleRowsScrollToTarget", "--locale fr_FR --visible 3 --keys 1+2= --state", 0, u"\t1,00|+\t2,00|=\t3,00",
     "state: row=3 op=0 focus=Nombre(3) caret=0 sel=0 scroll=1 visible=3\n"},
    {"ParamsThreeDecimals", "--locale fr_FR --params %D/three.txt --keys 1.5+2.123456789=", 0,
     u"\t1,500|+\t2,12345679|=\t3,623"},
    // Loading the "=" reformats like typing it; the stored result is worked out again.
    {"OpenThenKeysStartsNewCalculation", "--state --locale fr_FR --open %D/saved.kvt --keys 7=", 0,
     u"\t100,00|+\t50,00|=\t150,00|\t7,00|=\t7,00", "state: row=5 op=0 focus=Nombre(5) caret=0 sel=0 scroll=0 visible=14\n"},
    // A letter and the backslash are swallowed; \b deletes the 2; \n is Enter.
    {"EscapesBackspaceBackslashAndEnter", "--locale fr_FR --keys 1a2\\b3\\\\4\\n --state", 0, u"\t134",
     "state: row=1 op=0 focus=Nombre(1) caret=0 sel=0 scroll=0 visible=14\n"},
    // "1,5" typed under French settings reads as 15 once the comma groups thousands.
    {"LocaleChangeRereadsEarlierFigures", "--locale fr_FR --keys 1.5+ --locale en_US --keys 2.5=", 0,
     u"\t15.00|+\t2.50|=\t17.50", "", u"U+002E\tU+002C"},
    // French settings: both keys enter the decimal comma. English settings: "." is the
    // decimal point and "," stays as typed, a thousands separator.
    {"CommaAndPointUnderFrenchSettings", "--locale fr_FR --keys 1,5+1.5=", 0, u"\t1,50|+\t1,50|=\t3,00"},
    {"CommaAndPointUnderEnglishSettings", "--locale en_US --keys 1,5+1.5=", 0, u"\t15.00|+\t1.50|=\t16.50", "",
     u"U+002E\tU+002C"},
    // Keypad digits clicked into one cell are one step; "=" is undone with the
    // reformatting it did, then redo brings back the figure of row 1.
    {"PressUndoRedo", "--locale fr_FR --press 1 --press 2 --press + --press 3 --press = --undo --undo --redo --state", 0,
     u"\t12|+\t3", "state: row=1 op=0 focus=Nombre(1) caret=1 sel=0 scroll=0 visible=14\n"},
    // C is undone whole; an undo with nothing left to undo does nothing.
    {"UndoOfCBringsBackTheTape", "--locale fr_FR --keys 5+5= --press C --undo --redo --undo", 0,
     u"\t5,00|+\t5,00|=\t10,00"},
    {"FrancEuroThenUndoAll",
     "--locale fr_FR --keys 100 --press franc-euro --press euro-franc --undo --undo --undo --undo --undo --state", 0, u"",
     "state: row=0 op=0 focus=Nombre(0) caret=0 sel=0 scroll=0 visible=14\n"},
    {"FrancEuro", "--locale fr_FR --keys 100 --press franc-euro", 0, u"\t100,00|/\t6,55957|=\t15,24"},
    // Open is one step: undone, the tape is empty again.
    {"OpenIsUndone", "--locale fr_FR --keys 9 --open %D/saved.kvt --undo", 0, u"\t9"},
    // A pasted column becomes rows; Ctrl+C on the result copies it without groups.
    {"PasteNoteAndCopy", "--locale fr_FR --paste 1~234,5\\n+2\\nnone --note 1 a\\tb\\\\ --focus 2 --copy --state", 0,
     u"+\t1\u00A0234,50|+\t2,00|=\t1\u00A0236,50",
     "paste: 1 line without a number was skipped.\ncopy: 1236,50\n"
     "state: row=2 op=0 focus=Nombre(2) caret=0 sel=8 scroll=0 visible=14\n",
     u"U+002C\tU+00A0", u"note\t1\ta\\tb\\\\\r\n"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cli, TapeSession, ::testing::ValuesIn(Sessions),
                         [](const auto& info) { return std::string(info.param.name); });

class TapeCommand : public ::testing::Test, protected Folder {};

// A refusal is one English sentence on standard error, and no tape; --help, --ticket and
// --csv write something else than the tape.
TEST_F(TapeCommand, RefusalsSayWhyAndOtherOutputsReplaceTheTape)
{
    write("big.kvt", QByteArray((1 << 20) + 1, '1'));
    // clang-format off
    const struct { const char* args; const char* refusal; QByteArray begins = {}, ends = {}; } cases[] = {
        {"--press %", "no keypad key is called '%'; talco-tape --help lists them."},
        {"--locale fr_FR 12+3", "'12+3' is not an option; talco-tape --help lists them."},
        {"--bogus", "there is no option '--bogus'; talco-tape --help lists them."},
        {"--locale nowhere", "there are no regional settings called 'nowhere'."},
        {"--locale fr_FR --keys", "--keys needs a value; talco-tape --help tells which."},
        {"--visible 0", "--visible wants a number of rows from 1 to 100, not '0'."},
        {"--focus 100", "--focus wants a row from 0 to 99, not '100'."},
        {"--locale fr_FR --keys 1\\t2", "in --keys, only n, b or another backslash may follow a backslash."},
        {"--open %D/none.kvt", "cannot open %D/none.kvt: there is no such file."},
        {"--open %D", "cannot open %D: it is a folder, not a file."},
        {"--open %D/bin.dat", "cannot open %D/bin.dat: the file holds binary data, so it is not a tape."},
        {"--open /dev/null", "cannot open /dev/null: it is not a file."},
        {"--open %D/big.kvt", "cannot open %D/big.kvt: the file is too large to be a tape (1048577 bytes)."},
        {"--params %D/none.txt", "cannot read settings from %D/none.txt: there is no such file."},
        {"--params %D", "cannot read settings from %D: it is a folder, not a file."},
        // A tape is no settings file, though its lines hold tabs.
        {"--params %D/saved.kvt", "cannot read settings from %D/saved.kvt: it is not a settings file, "
                                  "as no line sets LANGUE, 2CHIFFRES, 3CHIFFRES or MILLIERS."},
        {"--params %D/bin.dat", "cannot read settings from %D/bin.dat: the file holds binary data, "
                                "so it is not a settings file."},
        {"--help --state", "--help takes no other arguments."},
        {"--locale fr_FR --help", "--help takes no other arguments."},
        {"--note 100 x", "--note wants a row from 0 to 99, not '100'."},
        {"--note 1", "--note needs a row and a text; talco-tape --help tells which."},
        {"--help", nullptr, "usage: talco-tape [OPTION]...\n", "  --help          shows this help, and takes no other option\n"},
        // The ticket is in the 8-bit encoding, as the program prints it.
        {"--locale fr_FR --keys 1234,5+10= --ticket", nullptr, "<table border=0>\r\n<tr><td></td><td align=right>",
         "<b>1\xA0" "244,50</b></font></td></tr>\r\n<tr><td></td><td><font face='Courier' size=2 "
         "color='#000000'>......</font></td></tr>\r\n</table>"},
        // The fields follow the regional settings, the words the interface language.
        {"--locale fr_FR --keys 5 --csv", nullptr, "\xEF\xBB\xBF", "\r\n1;;5;no;\r\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CommandOutput output = run(c.args);
        EXPECT_EQ(output.exitCode != 0, c.refusal != nullptr);
        EXPECT_EQ(QString::fromUtf8(output.err),
                  c.refusal ? u"talco-tape: "_s + expand(c.refusal) + u'\n' : QString());
        EXPECT_TRUE(c.refusal ? output.out.isEmpty()
                              : output.out.startsWith(c.begins) && output.out.endsWith(c.ends))
            << output.out.toStdString();
    }
}

} // namespace
