// talco-tape's options, run in-process through runTapeCommand().

#include "cli/tapecommand.h"
#include "divers/ansi.h"
#include "support/qstringprint.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

using namespace talco;

namespace {

using talco::testsupport::PrintTo;

// ---- sessions: the tape and the state they leave, or the error that stops them ----

struct Session {
    const char* name;
    std::vector<const char*> args;
    // Operator TAB number for each filled row; every other row must be empty.
    std::map<int, std::u16string_view> rows;
    const char* err = nullptr; // the whole state line (--state), or what an error names
    bool fails = false;
    // The record after row 99: the separators of the settings last given.
    std::u16string_view separators = u"U+002C\tU+00A0";
    std::u16string_view notes = u""; // the note records after it
};

class TapeSession : public ::testing::TestWithParam<Session> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        write(QStringLiteral("three.txt"), "2CHIFFRES\t0\r\n3CHIFFRES\t1\r\n");
        // A saved tape need not hold all 100 lines; its result is wrong on purpose.
        write(QStringLiteral("saved.kvt"), "0\t\t100\r\n1\t+\t50\r\n2\t=\t999\r\n");
        write(QStringLiteral("bin.dat"), QByteArray("LANGUE\tEN\r\n\0", 13));
    }

    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Arguments and expected messages name the test's folder as "%D".
    QString expand(const char* text) const
    {
        return QString::fromUtf8(text).replace(QStringLiteral("%D"), m_dir.path());
    }

    QTemporaryDir m_dir;
};

TEST_P(TapeSession, WritesTapeAndStateOrOnlyAnError)
{
    const Session& s = GetParam();
    QStringList args;
    for (const char* a : s.args)
        args << expand(a);
    const CommandOutput output = runTapeCommand(args);
    if (s.fails) {
        EXPECT_NE(output.exitCode, 0);
        EXPECT_TRUE(output.out.isEmpty()) << output.out.toStdString();
        EXPECT_TRUE(QString::fromUtf8(output.err).contains(expand(s.err)))
            << output.err.toStdString();
        return;
    }
    QString tape;
    for (int i = 0; i < 100; ++i) {
        const auto filled = s.rows.find(i);
        tape += QString::number(i) + u'\t';
        tape += filled == s.rows.end() ? QStringView(u"\t") : QStringView(filled->second);
        tape += QStringLiteral("\r\n");
    }
    tape += QStringLiteral("separators\t");
    tape += QStringView(s.separators);
    tape += QStringLiteral("\r\n");
    tape += QStringView(s.notes);
    EXPECT_EQ(output.exitCode, 0) << output.err.toStdString();
    EXPECT_EQ(fromAnsi(output.out), tape);
    EXPECT_EQ(output.err.toStdString(), s.err ? std::string(s.err) + '\n' : std::string());
}

// clang-format off
const Session Sessions[] = {
    // The shift moves the tape up by three rows; the next digit extends the figure.
    {"DigitInRow97ShiftsTapeUp",
     {"--locale", "fr_FR", "--keys", "1+2=", "--focus", "95", "--keys", "4+5+67", "--state"},
     {{92, u"\t4"}, {93, u"+\t5"}, {94, u"+\t67"}},
     "state: row=94 op=0 focus=Nombre(94) caret=2 sel=0 scroll=84 visible=14"},
    {"FewVisibleRowsScrollToTarget",
     {"--locale", "fr_FR", "--visible", "3", "--keys", "1+2=", "--state"},
     {{0, u"\t1,00"}, {1, u"+\t2,00"}, {2, u"=\t3,00"}},
     "state: row=3 op=0 focus=Nombre(3) caret=0 sel=0 scroll=1 visible=3"},
    {"ParamsThreeDecimals",
     {"--locale", "fr_FR", "--params", "%D/three.txt", "--keys", "1.5+2.123456789="},
     {{0, u"\t1,500"}, {1, u"+\t2,12345679"}, {2, u"=\t3,623"}}},
    // Loading the "=" reformats like typing it; the stored result is worked out again.
    {"OpenThenKeysStartsNewCalculation",
     {"--state", "--locale", "fr_FR", "--open", "%D/saved.kvt", "--keys", "7="},
     {{0, u"\t100,00"}, {1, u"+\t50,00"}, {2, u"=\t150,00"}, {3, u"\t7,00"}, {4, u"=\t7,00"}},
     "state: row=5 op=0 focus=Nombre(5) caret=0 sel=0 scroll=0 visible=14"},
    // A letter and the backslash are swallowed; \b deletes the 2; \n is Enter.
    {"EscapesBackspaceBackslashAndEnter",
     {"--locale", "fr_FR", "--keys", "1a2\\b3\\\\4\\n", "--state"},
     {{0, u"\t134"}},
     "state: row=1 op=0 focus=Nombre(1) caret=0 sel=0 scroll=0 visible=14"},
    // "1,5" typed under French settings reads as 15 once the comma groups thousands.
    {"LocaleChangeRereadsEarlierFigures",
     {"--locale", "fr_FR", "--keys", "1.5+", "--locale", "en_US", "--keys", "2.5="},
     {{0, u"\t15.00"}, {1, u"+\t2.50"}, {2, u"=\t17.50"}}, nullptr, false, u"U+002E\tU+002C"},
    // French settings: both keys enter the decimal comma. English settings: "." is the
    // decimal point and "," stays as typed, a thousands separator.
    {"CommaAndPointUnderFrenchSettings",
     {"--locale", "fr_FR", "--keys", "1,5+1.5="},
     {{0, u"\t1,50"}, {1, u"+\t1,50"}, {2, u"=\t3,00"}}},
    {"CommaAndPointUnderEnglishSettings",
     {"--locale", "en_US", "--keys", "1,5+1.5="},
     {{0, u"\t15.00"}, {1, u"+\t1.50"}, {2, u"=\t16.50"}}, nullptr, false, u"U+002E\tU+002C"},
    // Keypad digits clicked into one cell are one step; "=" is undone with the
    // reformatting it did, then redo brings back the figure of row 1.
    {"PressUndoRedo",
     {"--locale", "fr_FR", "--press", "1", "--press", "2", "--press", "+", "--press", "3",
      "--press", "=", "--undo", "--undo", "--redo", "--state"},
     {{0, u"\t12"}, {1, u"+\t3"}},
     "state: row=1 op=0 focus=Nombre(1) caret=1 sel=0 scroll=0 visible=14"},
    // C is undone whole; an undo with nothing left to undo does nothing.
    {"UndoOfCBringsBackTheTape",
     {"--locale", "fr_FR", "--keys", "5+5=", "--press", "C", "--undo", "--redo", "--undo"},
     {{0, u"\t5,00"}, {1, u"+\t5,00"}, {2, u"=\t10,00"}}},
    {"FrancEuroThenUndoAll",
     {"--locale", "fr_FR", "--keys", "100", "--press", "franc-euro", "--press", "euro-franc",
      "--undo", "--undo", "--undo", "--undo", "--undo", "--state"},
     {},
     "state: row=0 op=0 focus=Nombre(0) caret=0 sel=0 scroll=0 visible=14"},
    {"FrancEuro",
     {"--locale", "fr_FR", "--keys", "100", "--press", "franc-euro"},
     {{0, u"\t100,00"}, {1, u"/\t6,55957"}, {2, u"=\t15,24"}}},
    // Open is one step: undone, the tape is empty again.
    {"OpenIsUndone",
     {"--locale", "fr_FR", "--keys", "9", "--open", "%D/saved.kvt", "--undo"},
     {{0, u"\t9"}}},
    // A pasted column becomes rows; Ctrl+C on the result copies it without groups.
    {"PasteNoteAndCopy",
     {"--locale", "fr_FR", "--paste", "1 234,5\\n+2\\nnone", "--note", "1", "a\\tb\\\\",
      "--focus", "2", "--copy", "--state"},
     {{0, u"+\t1\u00A0234,50"}, {1, u"+\t2,00"}, {2, u"=\t1\u00A0236,50"}},
     "paste: 1 line without a number was skipped.\ncopy: 1236,50\n"
     "state: row=2 op=0 focus=Nombre(2) caret=0 sel=8 scroll=0 visible=14",
     false, u"U+002C\tU+00A0", u"note\t1\ta\\tb\\\\\r\n"},
    // Failures: one English sentence each, the whole line, and no tape.
    {"UnknownKey", {"--press", "%"}, {},
     "talco-tape: no keypad key is called '%'; talco-tape --help lists them.\n", true},
    {"StrayArgument", {"--locale", "fr_FR", "12+3"}, {},
     "talco-tape: '12+3' is not an option; talco-tape --help lists them.\n", true},
    {"UnknownOption", {"--bogus"}, {},
     "talco-tape: there is no option '--bogus'; talco-tape --help lists them.\n", true},
    {"UnknownLocale", {"--locale", "nowhere"}, {},
     "talco-tape: there are no regional settings called 'nowhere'.\n", true},
    {"MissingKeysValue", {"--locale", "fr_FR", "--keys"}, {},
     "talco-tape: --keys needs a value; talco-tape --help tells which.\n", true},
    {"VisibleZero", {"--visible", "0"}, {},
     "talco-tape: --visible wants a number of rows from 1 to 100, not '0'.\n", true},
    {"FocusPastLastRow", {"--focus", "100"}, {},
     "talco-tape: --focus wants a row from 0 to 99, not '100'.\n", true},
    {"UnknownEscape", {"--locale", "fr_FR", "--keys", "1\\t2"}, {},
     "talco-tape: in --keys, only n, b or another backslash may follow a backslash.\n", true},
    {"MissingOpen", {"--open", "%D/none.kvt"}, {},
     "talco-tape: cannot open %D/none.kvt: there is no such file.\n", true},
    {"FolderAsOpen", {"--open", "%D"}, {},
     "talco-tape: cannot open %D: it is a folder, not a file.\n", true},
    {"BinaryOpen", {"--open", "%D/bin.dat"}, {},
     "talco-tape: cannot open %D/bin.dat: the file holds binary data, so it is not a tape.\n", true},
    {"MissingParamsFile", {"--params", "%D/none.txt"}, {},
     "talco-tape: cannot read settings from %D/none.txt: there is no such file.\n", true},
    {"FolderAsParams", {"--params", "%D"}, {},
     "talco-tape: cannot read settings from %D: it is a folder, not a file.\n", true},
    // A tape is no settings file, though its lines hold tabs.
    {"TapeAsParams", {"--params", "%D/saved.kvt"}, {},
     "talco-tape: cannot read settings from %D/saved.kvt: it is not a settings file, as no line sets "
     "LANGUE, 2CHIFFRES, 3CHIFFRES or MILLIERS.\n", true},
    {"BinaryParams", {"--params", "%D/bin.dat"}, {},
     "talco-tape: cannot read settings from %D/bin.dat: the file holds binary data, so it is not a "
     "settings file.\n", true},
    {"HelpWithMore", {"--help", "--state"}, {}, "talco-tape: --help takes no other arguments.\n", true},
    {"MoreWithHelp", {"--locale", "fr_FR", "--help"}, {}, "talco-tape: --help takes no other arguments.\n", true},
    {"NoteRowOutOfRange", {"--note", "100", "x"}, {},
     "talco-tape: --note wants a row from 0 to 99, not '100'.\n", true},
    {"NoteWithoutText", {"--note", "1"}, {},
     "talco-tape: --note needs a row and a text; talco-tape --help tells which.\n", true},
};
// clang-format on

TEST(TapeCommandTicket, WritesTheTicketInAnsi)
{
    const CommandOutput fr = runTapeCommand({QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                                             QStringLiteral("--keys"), QStringLiteral("1234,5+10="),
                                             QStringLiteral("--ticket")});
    EXPECT_EQ(fr.exitCode, 0) << fr.err.constData();
    EXPECT_TRUE(fr.out.startsWith("<table border=0>\r\n<tr><td></td><td align=right>"));
    EXPECT_TRUE(fr.out.contains("<b>1\xA0"
                                "244,50</b>"))
        << fr.out.constData();
}

TEST(TapeCommandCsv, WritesTheCsvInsteadOfTheTape)
{
    const CommandOutput output =
        runTapeCommand({QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                        QStringLiteral("--keys"), QStringLiteral("5"), QStringLiteral("--csv")});
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_TRUE(output.out.startsWith("\xEF\xBB\xBF")) << output.out.toStdString();
    // The fields follow the regional settings, the words the interface language.
    EXPECT_TRUE(output.out.endsWith("\r\n1;;5;no;\r\n")) << output.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cli, TapeSession, ::testing::ValuesIn(Sessions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TapeCommand, HelpAloneShowsTheUsage)
{
    const CommandOutput output = runTapeCommand({QStringLiteral("--help")});
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_TRUE(output.out.startsWith("usage: talco-tape [OPTION]...\n"))
        << output.out.toStdString();
    EXPECT_TRUE(output.err.isEmpty());
}

} // namespace
