#include "support/qstringprint.h"
#include "tape/numberformat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>
#include <tuple>
#include <vector>

using namespace talco;

namespace {

const QLocale English(QStringLiteral("en_US"));
const QLocale French(QStringLiteral("fr_FR"));

Settings options(const char16_t* two, const char16_t* three, const char16_t* thousands)
{
    Settings s;
    s.G_2Chiffres = QString::fromUtf16(two);
    s.G_3Chiffres = QString::fromUtf16(three);
    s.G_Milliers = QString::fromUtf16(thousands);
    return s;
}

// The same text under French settings: decimal comma, no-break space between groups.
QString frenchOf(QStringView english)
{
    QString out = english.toString();
    for (QChar& c : out) {
        if (c == u',')
            c = QChar(0x00A0);
        else if (c == u'.')
            c = u',';
    }
    return out;
}

enum class Lang { En, Fr };

QString inLang(Lang lang, const char16_t* english)
{
    const QString text = QString::fromUtf16(english);
    return lang == Lang::En ? text : frenchOf(text);
}

const QLocale& localeOf(Lang lang)
{
    return lang == Lang::En ? English : French;
}

std::string langName(Lang lang)
{
    return lang == Lang::En ? "En" : "Fr";
}

const auto BothLanguages = ::testing::Values(Lang::En, Lang::Fr);

template <typename Row>
std::string rowName(const ::testing::TestParamInfo<std::tuple<Lang, Row>>& info)
{
    return std::get<1>(info.param).name + std::string("_") + langName(std::get<0>(info.param));
}

// ---- the display of figures and results under each choice of options ----------

// A: result, two decimals, grouped. B: figure, same options. C: result, three
// decimals, not grouped. D: no decimal option, grouped. E: all options off.
struct ColumnsRow {
    const char* name;
    double value;
    const char16_t *a, *b, *c, *d, *e;
};

const ColumnsRow ColumnsRows[] = {
    {"Mixed", 1234.5, u"1,234.50", u"1,234.50", u"1234.500", u"1,234.5", u"1234.5"},
    {"Half", 0.5, u"0.50", u"0.50", u"0.500", u".5", u"0.5"},
    {"Zero", 0.0, u"0.00", u"0.00", u"0.000", u"0", u"0"},
    {"NegativeZero", -0.0, u"0.00", u"0.00", u"0.000", u"0", u"0"},
    {"Negative", -1234.5678, u"-1,234.57", u"-1,234.5678", u"-1234.568", u"-1,234.5678",
     u"-1234.5678"},
    {"ManyDecimals", 1.123456789, u"1.12", u"1.1234568", u"1.123", u"1.12346", u"1.123456789"},
    {"Tiny", 0.00001, u"0.00", u"0.00001", u"0.000", u".00001", u"1E-05"},
    {"NegativeRoundsToZero", -0.0004, u"0.00", u"-0.0004", u"0.000", u"-.0004", u"-0.0004"},
    {"Int32Max", 2147483647.0, u"2,147,483,647.00", u"2,147,483,647.00", u"2147483647.000",
     u"2,147,483,647", u"2147483647"},
    {"Int32MaxAndAHalf", 2147483647.5, u"2,147,483,647.50", u"2,147,483,647.50", u"2147483647.500",
     u"2147483647.5", u"2147483647.5"},
    {"SixteenDigits", 12345678901234567.0, u"12,345,678,901,234,600.00",
     u"12,345,678,901,234,600.00", u"12345678901234600.000", u"1.23456789012346E+16",
     u"1.23456789012346E+16"},
};

class FormatColumns : public ::testing::TestWithParam<std::tuple<Lang, ColumnsRow>> {};

TEST_P(FormatColumns, EachOptionSet)
{
    const auto& [lang, row] = GetParam();
    const NumberFormat f(localeOf(lang));
    const Settings twoGrouped = options(u"1", u"0", u"1");
    const Settings threePlain = options(u"0", u"1", u"0");
    const Settings wholeGrouped = options(u"0", u"0", u"1");
    const Settings allOff = options(u"0", u"0", u"0");

    EXPECT_EQ(f.FormatCellValue(row.value, true, twoGrouped), inLang(lang, row.a)) << "A";
    EXPECT_EQ(f.FormatCellValue(row.value, false, twoGrouped), inLang(lang, row.b)) << "B";
    EXPECT_EQ(f.FormatCellValue(row.value, true, threePlain), inLang(lang, row.c)) << "C";
    // Without a decimal option figures and results look alike.
    for (bool isResult : {true, false}) {
        EXPECT_EQ(f.FormatCellValue(row.value, isResult, wholeGrouped), inLang(lang, row.d))
            << "D, isResult " << isResult;
        EXPECT_EQ(f.FormatCellValue(row.value, isResult, allOff), inLang(lang, row.e))
            << "E, isResult " << isResult;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, FormatColumns,
                         ::testing::Combine(BothLanguages, ::testing::ValuesIn(ColumnsRows)),
                         rowName<ColumnsRow>);

// The other combinations the settings file can hold.
struct OptionsRow {
    const char* name;
    const char16_t *two, *three, *thousands;
    bool isResult;
    double value;
    const char16_t* expected;
};

const OptionsRow OptionsRows[] = {
    {"TwoWinsOverThree", u"1", u"1", u"1", true, 1234.5678, u"1,234.57"},
    {"TwoPlainResult", u"1", u"0", u"0", true, 1234.5678, u"1234.57"},
    {"ThreeGroupedResult", u"0", u"1", u"1", true, 1234.5678, u"1,234.568"},
    {"ThreeFigurePadded", u"0", u"1", u"1", false, 1.5, u"1.500"},
    {"ThreeFigureEightDecimals", u"0", u"1", u"1", false, 2.123456789, u"2.12345679"},
    {"ThreeWithOddTwo", u"x", u"1", u"0", true, 1234.5678, u"1234.568"},
    {"OddThousandsGeneral", u"1", u"0", u"x", true, 1234.5678, u"1234.5678"},
    {"EmptyTwoGeneral", u"", u"", u"1", false, 0.00001, u"1E-05"},
};

class FormatOptions : public ::testing::TestWithParam<std::tuple<Lang, OptionsRow>> {};

TEST_P(FormatOptions, PatternFollowsOptions)
{
    const auto& [lang, row] = GetParam();
    const NumberFormat f(localeOf(lang));
    EXPECT_EQ(
        f.FormatCellValue(row.value, row.isResult, options(row.two, row.three, row.thousands)),
        inLang(lang, row.expected));
}

INSTANTIATE_TEST_SUITE_P(Combinations, FormatOptions,
                         ::testing::Combine(BothLanguages, ::testing::ValuesIn(OptionsRows)),
                         rowName<OptionsRow>);

// ---- patterns, rounding and the general form -------------------------------------

struct PatternRow {
    const char* name;
    double value;
    const char16_t* pattern; // none: all display options off
    const char16_t* expected;
};

const PatternRow PatternRows[] = {
    // Halves away from zero on the value as 15 significant digits, not on the binary
    // value (1.005 is stored as 1.00499999999999989...).
    {"Round1_005", 1.005, u"0.00", u"1.01"},
    {"Round2_675", 2.675, u"0.00", u"2.68"},
    {"Round0_005", 0.005, u"0.00", u"0.01"},
    {"CarryNewGroup", 999.995, u"#,##0.00", u"1,000.00"},
    {"NegativeToZero", -0.004, u"0.00", u"0.00"},
    {"WholeZeroIsEmpty", 0.0, u"#,###,###", u""},
    {"NoBareSeparator", 1.000001, u"#,###,###.#####", u"1"},
    {"NoLeadingZero", 0.5, u"#,###,###.#####", u".5"},
    {"GroupCommaAnywhere", 1234567.0, u"#,##0", u"1,234,567"},
    {"MinIntegerDigits", 5.25, u"000.0", u"005.3"},
    {"BeyondFifteenDigits", 12345678901234567890.0, u"#,##0.00", u"12,345,678,901,234,600,000.00"},
    // No pattern: the general form, 15 significant digits, scientific below 1E-04 and
    // from 1E+15 with an exponent of at least two digits.
    {"SmallestPlain", 0.0001, nullptr, u"0.0001"},
    {"NegativeScientific", -1.5e-300, nullptr, u"-1.5E-300"},
    {"LargestPlain", 123456789012345.0, nullptr, u"123456789012345"},
    {"FirstScientific", 1e15, nullptr, u"1E+15"},
    {"FifteenDigitsScientific", 1234567890123456.0, nullptr, u"1.23456789012346E+15"},
    {"Third", 1.0 / 3.0, nullptr, u"0.333333333333333"},
    {"BinaryNoise", 0.1 + 0.2, nullptr, u"0.3"},
};

class Pattern : public ::testing::TestWithParam<std::tuple<Lang, PatternRow>> {};

TEST_P(Pattern, Formats)
{
    const auto& [lang, row] = GetParam();
    const NumberFormat f(localeOf(lang));
    const QString text = row.pattern
                             ? f.formatPattern(row.value, QStringView(row.pattern))
                             : f.FormatCellValue(row.value, false, options(u"0", u"0", u"0"));
    EXPECT_EQ(text, inLang(lang, row.expected));
}

INSTANTIATE_TEST_SUITE_P(Values, Pattern,
                         ::testing::Combine(BothLanguages, ::testing::ValuesIn(PatternRows)),
                         rowName<PatternRow>);

// ---- the number test and parse ------------------------------------------------------

struct ParseRow {
    const char* name;
    Lang lang;
    const char16_t* text;
    ParseStatus status;
    double value;
};

constexpr auto Num = ParseStatus::Number;
constexpr auto Not = ParseStatus::NotNumber;
constexpr auto Big = ParseStatus::OutOfRange;

const ParseRow ParseRows[] = {
    {"EnGrouped", Lang::En, u"1,234.5", Num, 1234.5},
    {"EnGroupsAnywhere", Lang::En, u"1,2,3,4", Num, 1234},
    {"EnCommaIsGroup", Lang::En, u"13896,78", Num, 1389678},
    {"EnLeadingPoint", Lang::En, u".5", Num, 0.5},
    {"EnMinus", Lang::En, u"-5", Num, -5},
    {"EnBlanksAround", Lang::En, u"  12 \t", Num, 12},
    {"EnExponentNegative", Lang::En, u"2.5e-3", Num, 0.0025},
    {"EnZeroHugeExponent", Lang::En, u"0e999", Num, 0},
    {"EnUnderflowIsZero", Lang::En, u"1e-999", Num, 0},
    {"EnOverflow", Lang::En, u"1e999", Big, 0},
    {"EnEmpty", Lang::En, u"", Not, 0},
    {"EnLonePoint", Lang::En, u".", Not, 0},
    {"EnTwoPoints", Lang::En, u"1.2.3", Not, 0},
    {"EnGroupAfterPoint", Lang::En, u"1.234,5", Not, 0},
    {"EnLetters", Lang::En, u"12a", Not, 0},
    {"EnSpaceInside", Lang::En, u"1 2", Not, 0},
    {"FrNoBreakSpace", Lang::Fr, u"1\u00A0234,5", Num, 1234.5},
    {"FrMixedBlanks", Lang::Fr, u"-12 345\u00A0678\u202F9,25", Num, -123456789.25},
    {"FrLeadingComma", Lang::Fr, u",5", Num, 0.5},
    {"FrExponent", Lang::Fr, u"1,5E+03", Num, 1500},
    {"FrPointIsNotDecimal", Lang::Fr, u"1.5", Not, 0},
    {"FrTwoCommas", Lang::Fr, u"1,2,3", Not, 0},
};

class Parse : public ::testing::TestWithParam<ParseRow> {};

TEST_P(Parse, TextToNumber)
{
    const ParseRow& row = GetParam();
    const NumberFormat f(localeOf(row.lang));
    const ParsedNumber n = f.parse(QStringView(row.text));
    EXPECT_EQ(n.status, row.status);
    if (row.status == Num) {
        EXPECT_EQ(n.value, row.value);
        EXPECT_TRUE(f.isNumber(QStringView(row.text)));
    } else {
        EXPECT_FALSE(f.isNumber(QStringView(row.text)));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, Parse, ::testing::ValuesIn(ParseRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Parse, TenThousandDigits)
{
    const NumberFormat f(English);
    const QString huge = QStringLiteral("1") + QString(9999, u'0');
    EXPECT_EQ(f.parse(huge).status, ParseStatus::OutOfRange);

    const ParsedNumber padded = f.parse(QString(9997, u'0') + QStringLiteral("123"));
    ASSERT_TRUE(padded.ok());
    EXPECT_EQ(padded.value, 123.0);

    const ParsedNumber tiny = f.parse(QStringLiteral("0.") + QString(9998, u'0') + u'1');
    ASSERT_TRUE(tiny.ok());
    EXPECT_EQ(tiny.value, 0.0);

    const ParsedNumber grouped = f.parse(QStringLiteral("1") + QString(9998, u',') + u'2');
    ASSERT_TRUE(grouped.ok());
    EXPECT_EQ(grouped.value, 12.0);
}

// ---- every displayed text is a number again ----------------------------------------

// Signed mantissas over the whole range of magnitudes, and the edges.
std::vector<double> roundTripValues()
{
    std::vector<double> values = {0.0, -0.0, 2147483647.0, -2147483648.0, 5e-324};
    for (double mantissa : {1.0, 0.5, 1.2345678, 2.675, 9.99995})
        for (int exponent : {-300, -7, -3, 0, 2, 6, 9, 15, 20, 307})
            for (double sign : {1.0, -1.0})
                values.push_back(sign * mantissa * std::pow(10.0, exponent));
    return values;
}

const Settings RoundTripOptions[] = {
    options(u"1", u"0", u"1"), options(u"1", u"0", u"0"), options(u"0", u"1", u"1"),
    options(u"0", u"1", u"0"), options(u"0", u"0", u"1"), options(u"0", u"0", u"0"),
    options(u"1", u"1", u"x"), options(u"x", u"x", u"x"),
};

class RoundTrip : public ::testing::TestWithParam<Lang> {};

TEST_P(RoundTrip, FormattedTextParsesBack)
{
    const NumberFormat f(localeOf(GetParam()));
    for (const Settings& s : RoundTripOptions) {
        for (double v : roundTripValues()) {
            for (bool isResult : {false, true}) {
                const QString text = f.FormatCellValue(v, isResult, s);
                const ParsedNumber n = f.parse(text);
                ASSERT_TRUE(n.ok()) << text.toStdString() << " from " << v;
                // At most half a unit of the last decimal shown, or of the 15th digit, away.
                EXPECT_LE(std::fabs(n.value - v), 0.005 + 1e-14 * std::fabs(v))
                    << text.toStdString();
                // Reformatting a figure must not make it drift.
                EXPECT_EQ(f.FormatCellValue(n.value, isResult, s), text) << v;
            }
        }
    }
}

TEST_P(RoundTrip, LargestDoubleParsesBack)
{
    const NumberFormat f(localeOf(GetParam()));
    for (const Settings& s : {options(u"1", u"0", u"1"), options(u"0", u"0", u"0")}) {
        const QString text = f.FormatCellValue(DBL_MAX, false, s);
        EXPECT_TRUE(f.isNumber(text)) << text.toStdString();
        EXPECT_TRUE(f.isNumber(f.FormatCellValue(-DBL_MAX, true, s)));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, RoundTrip, BothLanguages,
                         [](const auto& info) { return langName(info.param); });

} // namespace
