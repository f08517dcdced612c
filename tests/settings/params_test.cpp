#include "settings/params.h"

#include <QDir>
#include <QFile>
#include <QStringList>
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

// The four settings as "language|two decimals|three decimals|thousands".
Settings make(QStringView code)
{
    const QStringList v = code.toString().split(u'|');
    return {v[0], v[1], v[2], v[3]};
}

// Each file read under both regional settings; a language "?" stands for the regional
// one: FR in French, EN otherwise.
TEST(ParseParams, ReadsEachFileUnderBothRegions)
{
    const struct {
        const char* name;
        const char16_t* text;
        Settings read;
    } rows[] = {
        // Present but empty is not missing: an empty language means French.
        {"AllEmpty", u"LANGUE\t\r\n2CHIFFRES\t\r\n3CHIFFRES\t\r\nMILLIERS\t\r\n",
         make(u"FR|1|0|1")},
        {"OtherOrderUnknownAndLowerCase",
         u"MILLIERS\t0\r\nCOULEUR\tbleu\r\nlangue\tEN\r\n3CHIFFRES\t1\r\n2chiffres\t0\r\n",
         make(u"?|1|1|0")},
        {"LaterDuplicateWins", u"LANGUE\tEN\r\nLANGUE\tFR\r\nMILLIERS\t0\r\nMILLIERS\t1\r\n",
         make(u"FR|1|0|1")},
        {"AfterSecondTabIgnored", u"LANGUE\tEN\tFR\r\n2CHIFFRES\t0\t\t1\r\n", make(u"EN|0|0|1")},
        {"BlanksKept", u"LANGUE\t EN \r\n3CHIFFRES\t1 \r\nMILLIERS\t\t\r\n", make(u" EN |1|1 |1")},
        {"KeyWithBlankIsUnknown", u" LANGUE\tEN\r\nMILLIERS \t0\r\n", make(u"?|1|0|1")},
        {"LineWithoutTabSkipped", u"LANGUE EN\r\nMILLIERS\r\n\r\n2CHIFFRES\t0", make(u"?|0|0|1")},
        {"MixedLineEnds", u"LANGUE\tEN\r\n\n2CHIFFRES\t0\rMILLIERS\t0\n\r", make(u"EN|0|0|0")},
    };
    for (const auto& row : rows) {
        for (const QLocale& locale : {French, English}) {
            Settings expected = row.read;
            if (expected.G_Langue == u"?")
                expected.G_Langue = locale == French ? QStringLiteral("FR") : QStringLiteral("EN");
            EXPECT_EQ(ParseParams(QString::fromUtf16(row.text), locale), expected)
                << row.name << " under " << locale.name().toStdString();
        }
    }
}

TEST(ParamsText, WritesFourLinesAndReadsThemBack)
{
    const QString text = ParamsText(make(u"FR|1|0|1"));
    EXPECT_EQ(text,
              QStringLiteral("LANGUE\tFR\r\n2CHIFFRES\t1\r\n3CHIFFRES\t0\r\nMILLIERS\t1\r\n"));

    const Settings odd = make(u" x |0|2|yes");
    EXPECT_EQ(ParseParams(ParamsText(odd), English), odd);
}

TEST(ParamsFile, ReadsWindows1252AndFallsBackToTheRegionalDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("params.txt"));
    Settings settings;
    // The default language follows the regional language, not the country.
    EXPECT_TRUE(GetParams(path, settings, QLocale(QStringLiteral("fr_CA"))));
    EXPECT_EQ(settings, make(u"FR|1|0|1"));

    // 0xE9 is "é" in Windows-1252 and no valid UTF-8; 0x80 is the euro sign.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("LANGUE\t\xE9\x80\r\n");
    file.close();
    EXPECT_TRUE(GetParams(path, settings, English));
    EXPECT_EQ(settings, make(u"\u00E9\u20AC|1|0|1"));

    // A folder in its place cannot be read: the defaults all the same.
    ASSERT_TRUE(file.remove() && QDir().mkdir(path));
    EXPECT_FALSE(GetParams(path, settings, QLocale(QStringLiteral("de_DE"))));
    EXPECT_EQ(settings, make(u"EN|1|0|1"));
}

} // namespace
