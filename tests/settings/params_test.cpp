#include "settings/params.h"
#include "support/qstringprint.h"

#include "files/ansi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace talco;

namespace talco {
inline void PrintTo(const Settings& s, std::ostream* os)
{
    *os << '{' << s.G_Langue.toStdString() << ", " << s.G_2Chiffres.toStdString() << ", "
        << s.G_3Chiffres.toStdString() << ", " << s.G_Milliers.toStdString() << '}';
}
} // namespace talco

namespace {

const QLocale English(QStringLiteral("en_US"));
const QLocale French(QStringLiteral("fr_FR"));

Settings make(const char16_t* langue, const char16_t* two, const char16_t* three,
              const char16_t* thousands)
{
    return {QString::fromUtf16(langue), QString::fromUtf16(two), QString::fromUtf16(three),
            QString::fromUtf16(thousands)};
}

TEST(ParseParams, DefaultsFollowTheRegionalLanguage)
{
    EXPECT_EQ(ParseParams(QString(), French), make(u"FR", u"1", u"0", u"1"));
    EXPECT_EQ(ParseParams(QString(), QLocale(QStringLiteral("fr_CA"))),
              make(u"FR", u"1", u"0", u"1"));
    EXPECT_EQ(ParseParams(QString(), English), make(u"EN", u"1", u"0", u"1"));
    EXPECT_EQ(ParseParams(QString(), QLocale(QStringLiteral("de_DE"))),
              make(u"EN", u"1", u"0", u"1"));
}

struct ParamsRow {
    const char* name;
    const char16_t* text;
    Settings french; // read under French regional settings
    Settings english;
};

const ParamsRow ParamsRows[] = {
    {"OnlyThousands", u"MILLIERS\t0\r\n", make(u"FR", u"1", u"0", u"0"),
     make(u"EN", u"1", u"0", u"0")},
    // Present but empty is not missing: an empty language means French.
    {"EmptyLanguage", u"LANGUE\t\r\n", make(u"FR", u"1", u"0", u"1"),
     make(u"FR", u"1", u"0", u"1")},
    {"AllEmpty", u"LANGUE\t\r\n2CHIFFRES\t\r\n3CHIFFRES\t\r\nMILLIERS\t\r\n",
     make(u"FR", u"1", u"0", u"1"), make(u"FR", u"1", u"0", u"1")},
    {"OtherOrderUnknownAndLowerCase",
     u"MILLIERS\t0\r\nCOULEUR\tbleu\r\nlangue\tEN\r\n3CHIFFRES\t1\r\n2chiffres\t0\r\n",
     make(u"FR", u"1", u"1", u"0"), make(u"EN", u"1", u"1", u"0")},
    {"LaterDuplicateWins", u"LANGUE\tEN\r\nLANGUE\tFR\r\nMILLIERS\t0\r\nMILLIERS\t1\r\n",
     make(u"FR", u"1", u"0", u"1"), make(u"FR", u"1", u"0", u"1")},
    {"AfterSecondTabIgnored", u"LANGUE\tEN\tFR\r\n2CHIFFRES\t0\t\t1\r\n",
     make(u"EN", u"0", u"0", u"1"), make(u"EN", u"0", u"0", u"1")},
    {"BlanksKept", u"LANGUE\t EN \r\n3CHIFFRES\t1 \r\nMILLIERS\t\t\r\n",
     make(u" EN ", u"1", u"1 ", u"1"), make(u" EN ", u"1", u"1 ", u"1")},
    {"KeyWithBlankIsUnknown", u" LANGUE\tEN\r\nMILLIERS \t0\r\n", make(u"FR", u"1", u"0", u"1"),
     make(u"EN", u"1", u"0", u"1")},
    {"OddValuesKept", u"2CHIFFRES\tyes\r\n3CHIFFRES\t2\r\n", make(u"FR", u"yes", u"2", u"1"),
     make(u"EN", u"yes", u"2", u"1")},
    {"LineWithoutTabSkipped", u"LANGUE EN\r\nMILLIERS\r\n\r\n2CHIFFRES\t0",
     make(u"FR", u"0", u"0", u"1"), make(u"EN", u"0", u"0", u"1")},
    {"LfOnly", u"LANGUE\tEN\n2CHIFFRES\t0\n3CHIFFRES\t1\nMILLIERS\t0\n",
     make(u"EN", u"0", u"1", u"0"), make(u"EN", u"0", u"1", u"0")},
    {"CrOnly", u"LANGUE\tFR\r2CHIFFRES\t0\r3CHIFFRES\t1\rMILLIERS\t0",
     make(u"FR", u"0", u"1", u"0"), make(u"FR", u"0", u"1", u"0")},
    {"MixedLineEnds", u"LANGUE\tEN\r\n\n2CHIFFRES\t0\r\rMILLIERS\t0\n\r",
     make(u"EN", u"0", u"0", u"0"), make(u"EN", u"0", u"0", u"0")},
};

class ParseParamsText : public ::testing::TestWithParam<ParamsRow> {};

TEST_P(ParseParamsText, BothRegions)
{
    const ParamsRow& row = GetParam();
    const QString text = QString::fromUtf16(row.text);
    EXPECT_EQ(ParseParams(text, French), row.french);
    EXPECT_EQ(ParseParams(text, English), row.english);
}

INSTANTIATE_TEST_SUITE_P(Files, ParseParamsText, ::testing::ValuesIn(ParamsRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParamsText, WritesFourLinesAndReadsThemBack)
{
    const QString text = ParamsText(make(u"FR", u"1", u"0", u"1"));
    EXPECT_EQ(text,
              QStringLiteral("LANGUE\tFR\r\n2CHIFFRES\t1\r\n3CHIFFRES\t0\r\nMILLIERS\t1\r\n"));
    EXPECT_EQ(toAnsi(text),
              QByteArray("LANGUE\tFR\r\n2CHIFFRES\t1\r\n3CHIFFRES\t0\r\nMILLIERS\t1\r\n"));

    const Settings odd = make(u" x ", u"0", u"2", u"yes");
    EXPECT_EQ(ParseParams(ParamsText(odd), English), odd);
}

class ParamsFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString write(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("params.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    Settings settings = make(u"junk", u"junk", u"junk", u"junk");
};

TEST_F(ParamsFile, MissingFileGivesDefaults)
{
    EXPECT_TRUE(GetParams(dir.filePath(QStringLiteral("params.txt")), settings, French));
    EXPECT_EQ(settings, make(u"FR", u"1", u"0", u"1"));
}

TEST_F(ParamsFile, FolderIsNotAFile)
{
    const QString folder = dir.filePath(QStringLiteral("params.txt"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(GetParams(folder, settings, English));
    EXPECT_EQ(settings, make(u"EN", u"1", u"0", u"1"));
}

TEST_F(ParamsFile, ReadsTheSavedFile)
{
    const Settings saved = make(u"EN", u"0", u"1", u"0");
    EXPECT_TRUE(GetParams(write(toAnsi(ParamsText(saved))), settings, French));
    EXPECT_EQ(settings, saved);
}

TEST_F(ParamsFile, ReadsWindows1252)
{
    // 0xE9 is "é" in Windows-1252 and no valid UTF-8; 0x80 is the euro sign.
    EXPECT_TRUE(GetParams(write(QByteArray("LANGUE\t\xE9\x80\r\n")), settings, English));
    EXPECT_EQ(settings.G_Langue, QString::fromUtf16(u"\u00E9\u20AC"));
}

} // namespace
