// talco-tape's options, run in-process through runTapeCommand().

#include "cli/tapecommand.h"
#include "files/ansi.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace talco;

namespace {

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        write(QStringLiteral("three.txt"), "2CHIFFRES\t0\r\n3CHIFFRES\t1\r\n");
        write(QStringLiteral("flat.txt"), "MILLIERS\t0\r\n");
        // A saved tape need not hold all 100 lines; its result is wrong on purpose.
        write(QStringLiteral("saved.kvt"), "0\t\t100\r\n1\t+\t50\r\n2\t=\t999\r\n");
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

    CommandOutput run(const std::vector<const char*>& args) const
    {
        QStringList list;
        for (const char* a : args)
            list << expand(a);
        return runTapeCommand(list);
    }

    QTemporaryDir m_dir;
};

// ---- sessions ------------------------------------------------------------------

struct Session {
    const char* name;
    std::vector<const char*> args;
    // Operator TAB number for each filled row; every other row must be empty.
    std::vector<std::pair<int, std::u16string_view>> rows;
    const char* state = nullptr; // the whole state line, when --state is given
};

void PrintTo(const Session& s, std::ostream* os)
{
    *os << s.name;
}

class TapeSession : public CommandTest, public ::testing::WithParamInterface<Session> {};

TEST_P(TapeSession, WritesTapeAndState)
{
    const Session& s = GetParam();
    const CommandOutput output = run(s.args);
    EXPECT_EQ(output.exitCode, 0) << output.err.toStdString();

    ASSERT_TRUE(output.out.endsWith("\r\n"));
    const QStringList lines = fromAnsi(output.out.chopped(2)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 100);
    for (int i = 0; i < 100; ++i) {
        QString expected = QString::number(i) + u'\t';
        auto filled = std::find_if(s.rows.begin(), s.rows.end(),
                                   [i](const auto& row) { return row.first == i; });
        expected +=
            filled == s.rows.end() ? QStringLiteral("\t") : QStringView(filled->second).toString();
        EXPECT_EQ(lines[i].toStdString(), expected.toStdString()) << "row " << i;
    }
    EXPECT_EQ(output.err.toStdString(), s.state ? std::string(s.state) + '\n' : std::string());
}

const Session Sessions[] = {
    {"EnglishSampleEnterIsEquals",
     {"--locale", "en_US", "--keys", "13896.78+756+1256.25\\n", "--state"},
     {{0, u"\t13,896.78"}, {1, u"+\t756.00"}, {2, u"+\t1,256.25"}, {3, u"=\t15,909.03"}},
     "state: row=4 op=0 focus=Nombre(4) caret=0 sel=0 scroll=0 visible=14"},
    {"DigitInRow97ShiftsTapeUp",
     {"--locale", "fr_FR", "--keys", "1+2=", "--focus", "95", "--keys", "4+5+6", "--state"},
     {{92, u"\t4"}, {93, u"+\t5"}, {94, u"+\t6"}},
     "state: row=94 op=0 focus=Nombre(94) caret=1 sel=0 scroll=84 visible=14"},
    {"FewVisibleRowsScrollToTarget",
     {"--locale", "fr_FR", "--visible", "5", "--keys", "1+2+3+4+5=", "--state"},
     {{0, u"\t1,00"},
      {1, u"+\t2,00"},
      {2, u"+\t3,00"},
      {3, u"+\t4,00"},
      {4, u"+\t5,00"},
      {5, u"=\t15,00"}},
     "state: row=6 op=0 focus=Nombre(6) caret=0 sel=0 scroll=2 visible=5"},
    {"ParamsThreeDecimals",
     {"--locale", "fr_FR", "--params", "%D/three.txt", "--keys", "1.5+2.123456789="},
     {{0, u"\t1,500"}, {1, u"+\t2,12345679"}, {2, u"=\t3,623"}}},
    {"ParamsWithoutThousands",
     {"--locale", "en_US", "--params", "%D/flat.txt", "--keys", "13896.78+756+1256.25="},
     {{0, u"\t13896.78"}, {1, u"+\t756.00"}, {2, u"+\t1256.25"}, {3, u"=\t15909.03"}}},
    // Loading the "=" reformats like typing it; the stored result is worked out again.
    {"OpenThenKeysStartsNewCalculation",
     {"--state", "--locale", "fr_FR", "--open", "%D/saved.kvt", "--keys", "7+1="},
     {{0, u"\t100,00"},
      {1, u"+\t50,00"},
      {2, u"=\t150,00"},
      {3, u"\t7,00"},
      {4, u"+\t1,00"},
      {5, u"=\t8,00"}},
     "state: row=6 op=0 focus=Nombre(6) caret=0 sel=0 scroll=0 visible=14"},
    // A letter and the backslash are swallowed; \b deletes the 2.
    {"EscapesBackspaceAndBackslash",
     {"--locale", "fr_FR", "--keys", "1a2\\b3\\\\4", "--state"},
     {{0, u"\t134"}},
     "state: row=0 op=0 focus=Nombre(0) caret=3 sel=0 scroll=0 visible=14"},
    // "1.5" typed under English settings is no French number: the row stays inert.
    {"LocaleChangeAffectsLaterKeysOnly",
     {"--locale", "en_US", "--keys", "1.5+", "--locale", "fr_FR", "--keys", "2.5="},
     {{0, u"\t1.5"}, {1, u"+\t2,50"}, {2, u"=\t2,50"}}},
    // "1,5" typed under French settings reads as 15 once the comma groups thousands.
    {"LocaleChangeRereadsEarlierFigures",
     {"--locale", "fr_FR", "--keys", "1.5+", "--locale", "en_US", "--keys", "2.5="},
     {{0, u"\t15.00"}, {1, u"+\t2.50"}, {2, u"=\t17.50"}}},
};

INSTANTIATE_TEST_SUITE_P(Cli, TapeSession, ::testing::ValuesIn(Sessions),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- failures ------------------------------------------------------------------

struct Failure {
    const char* name;
    std::vector<const char*> args;
    const char* mentions; // what the message must name
};

void PrintTo(const Failure& f, std::ostream* os)
{
    *os << f.name;
}

class TapeFailure : public CommandTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(TapeFailure, ReportsOnErrAndWritesNoTape)
{
    const Failure& f = GetParam();
    const CommandOutput output = run(f.args);
    EXPECT_NE(output.exitCode, 0);
    EXPECT_TRUE(output.out.isEmpty()) << output.out.toStdString();
    EXPECT_TRUE(output.err.endsWith('\n'));
    EXPECT_TRUE(QString::fromUtf8(output.err).contains(expand(f.mentions)))
        << output.err.toStdString();
}

const Failure Failures[] = {
    {"UnknownOptionAfterKeys",
     {"--locale", "fr_FR", "--keys", "12", "--frobnicate"},
     "--frobnicate"},
    {"StrayArgument", {"--locale", "fr_FR", "12+3"}, "12+3"},
    {"UnknownOptionLast", {"--frobnicate"}, "unknown option '--frobnicate'"},
    {"UnknownLocale", {"--locale", "nowhere"}, "nowhere"},
    {"MissingKeysValue", {"--locale", "fr_FR", "--keys"}, "--keys"},
    {"VisibleZero", {"--visible", "0"}, "--visible"},
    {"VisiblePastTape", {"--visible", "101"}, "--visible"},
    {"FocusNegative", {"--focus", "-1"}, "--focus"},
    {"FocusPastLastRow", {"--focus", "100"}, "--focus"},
    {"UnknownEscape", {"--locale", "fr_FR", "--keys", "1\\t2"}, "--keys"},
    {"MissingParamsFile", {"--params", "%D/none.txt"}, "%D/none.txt"},
    {"FolderAsOpen", {"--open", "%D"}, "%D"},
};

INSTANTIATE_TEST_SUITE_P(Cli, TapeFailure, ::testing::ValuesIn(Failures),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
