// Figures as the tape shows them under each choice of options, and texts read as numbers.

#include "support/qstringprint.h"
#include "tape/numberformat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

const QLocale English(QStringLiteral("en_US"));
const QLocale French(QStringLiteral("fr_FR"));

// The three display options as one code: two decimals, three decimals, thousands ("10x").
Settings options(std::u16string_view code)
{
    Settings s;
    s.G_2Chiffres = QChar(code[0]);
    s.G_3Chiffres = QChar(code[1]);
    s.G_Milliers = QChar(code[2]);
    return s;
}

// Expected texts are written the English way; under French settings the decimal
// separator is a comma and groups are separated by a no-break space.
QString inLang(const QLocale& locale, const char16_t* english)
{
    QString out = QString::fromUtf16(english);
    if (locale.language() == QLocale::French) {
        for (QChar& c : out)
            c = c == u',' ? QChar(0x00A0) : c == u'.' ? QChar(u',') : c;
    }
    return out;
}

TEST(FormatCellValue, FollowsTheOptions)
{
    // A: result, two decimals, grouped. B: figure, same options. C: result, three
    // decimals, not grouped. D: no decimal option, grouped. E: all options off.
    const struct {
        const char* name;
        double value;
        const char16_t *a, *b, *c, *d, *e;
    } columns[] = {
        {"NegativeZero", -0.0, u"0.00", u"0.00", u"0.000", u"0", u"0"},
        {"Negative", -1234.5678, u"-1,234.57", u"-1,234.5678", u"-1234.568", u"-1,234.5678",
         u"-1234.5678"},
        {"ManyDecimals", 1.123456789, u"1.12", u"1.1234568", u"1.123", u"1.12346", u"1.123456789"},
        {"Tiny", 0.00001, u"0.00", u"0.00001", u"0.000", u".00001", u"1E-05"},
        {"NegativeRoundsToZero", -0.0004, u"0.00", u"-0.0004", u"0.000", u"-.0004", u"-0.0004"},
        {"Int32Max", 2147483647.0, u"2,147,483,647.00", u"2,147,483,647.00", u"2147483647.000",
         u"2,147,483,647", u"2147483647"},
        {"Int32MaxAndAHalf", 2147483647.5, u"2,147,483,647.50", u"2,147,483,647.50",
         u"2147483647.500", u"2147483647.5", u"2147483647.5"},
        {"SixteenDigits", 12345678901234567.0, u"12,345,678,901,234,600.00",
         u"12,345,678,901,234,600.00", u"12345678901234600.000", u"1.23456789012346E+16",
         u"1.23456789012346E+16"},
    };
    // Other option sets, rounding and the general form.
    const struct {
        const char* name;
        const char16_t* options;
        bool isResult;
        double value;
        const char16_t* expected;
    } singles[] = {
        {"TwoWinsOverThree", u"111", true, 1234.5678, u"1,234.57"},
        {"ThreeGroupedResult", u"011", true, 1234.5678, u"1,234.568"},
        {"OddThousandsGeneral", u"10x", true, 1234.5678, u"1234.5678"},
        {"OddTwoGeneral", u"x01", false, 0.00001, u"1E-05"},
        // Halves away from zero on the value as 15 significant digits, not on the binary
        // value (1.005 is stored as 1.00499999999999989...).
        {"Round1_005", u"100", true, 1.005, u"1.01"},
        {"CarryNewGroup", u"101", true, 999.995, u"1,000.00"},
        {"NoBareSeparator", u"001", false, 1.000001, u"1"},
        // The general form: 15 significant digits, scientific below 1E-04 and from 1E+15
        // with an exponent of at least two digits.
        {"SmallestPlain", u"000", false, 0.0001, u"0.0001"},
        {"PlainBelowOne", u"000", false, 0.5, u"0.5"},
        {"NegativeScientific", u"000", false, -1.5e-300, u"-1.5E-300"},
        {"LargestPlain", u"000", false, 123456789012345.0, u"123456789012345"},
        {"FirstScientific", u"000", false, 1e15, u"1E+15"},
    };
    for (const QLocale& locale : {English, French}) {
        const NumberFormat f(locale);
        const auto check = [&](const char* name, double value, bool isResult, const char16_t* code,
                               const char16_t* want) {
            EXPECT_EQ(f.FormatCellValue(value, isResult, options(code)), inLang(locale, want))
                << name << " as " << (isResult ? "result" : "figure") << " with options "
                << QString::fromUtf16(code).toStdString() << " under "
                << locale.name().toStdString();
        };
        for (const auto& r : columns) {
            check(r.name, r.value, true, u"101", r.a);
            check(r.name, r.value, false, u"101", r.b);
            check(r.name, r.value, true, u"010", r.c);
            // Without a decimal option figures and results look alike.
            for (bool isResult : {true, false}) {
                check(r.name, r.value, isResult, u"001", r.d);
                check(r.name, r.value, isResult, u"000", r.e);
            }
        }
        for (const auto& r : singles)
            check(r.name, r.value, r.isResult, r.options, r.expected);
    }
}

TEST(NumberFormatParse, TextToNumber)
{
    constexpr auto Num = ParseStatus::Number;
    constexpr auto Not = ParseStatus::NotNumber;
    const std::u16string tiny = u"0." + std::u16string(400, u'0') + u"1e10";
    const struct {
        const QLocale& locale;
        const char16_t* text;
        ParseStatus status;
        double value;
    } rows[] = {
        {English, u"  12 \t", Num, 12},
        {English, u"2.5e-3", Num, 0.0025},
        {English, u"1e-999", Num, 0},    // too small for a double: zero
        {English, tiny.c_str(), Num, 0}, // tiny with a positive exponent: zero all the same
        {English, u"1e999", ParseStatus::OutOfRange, 0},
        {English, u"1.234,5", Not, 0},
        {English, u"12a", Not, 0},
        {English, u"1 2", Not, 0},
        {French, u"-12 345\u00A0678\u202F9,25", Num, -123456789.25},
        {French, u"1.5", Not, 0},
    };
    for (const auto& row : rows) {
        const NumberFormat f(row.locale);
        const ParsedNumber n = f.parse(QStringView(row.text));
        SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
        EXPECT_EQ(n.status, row.status);
        EXPECT_EQ(f.isNumber(QStringView(row.text)), row.status == Num);
        if (row.status == Num) {
            EXPECT_EQ(n.value, row.value);
        }
    }
}

// Every displayed text is a number again, close to the value, and formats the same.
TEST(NumberFormatParse, FormattedTextParsesBack)
{
    // Signed mantissas over the whole range of magnitudes, and the edges.
    std::vector<double> values = {0.0, -0.0, 2147483647.0, -2147483648.0, 5e-324};
    for (double mantissa : {1.0, 0.5, 1.2345678, 2.675, 9.99995})
        for (int exponent : {-300, -7, -3, 0, 2, 6, 9, 15, 20, 307})
            for (double sign : {1.0, -1.0})
                values.push_back(sign * mantissa * std::pow(10.0, exponent));
    for (const QLocale& locale : {English, French}) {
        const NumberFormat f(locale);
        for (const char16_t* code : {u"101", u"100", u"011", u"010", u"001", u"000", u"11x"}) {
            for (double v : values) {
                for (bool isResult : {false, true}) {
                    const QString text = f.FormatCellValue(v, isResult, options(code));
                    const ParsedNumber n = f.parse(text);
                    ASSERT_TRUE(n.ok()) << text.toStdString() << " from " << v;
                    // At most half a unit of the last decimal shown, or of the 15th digit, away.
                    EXPECT_LE(std::fabs(n.value - v), 0.005 + 1e-14 * std::fabs(v))
                        << text.toStdString();
                    // Reformatting a figure must not make it drift.
                    EXPECT_EQ(f.FormatCellValue(n.value, isResult, options(code)), text) << v;
                }
            }
        }
        // The largest double, grouped or not, is still a number.
        for (const char16_t* code : {u"101", u"000"}) {
            EXPECT_TRUE(f.isNumber(f.FormatCellValue(DBL_MAX, false, options(code))));
            EXPECT_TRUE(f.isNumber(f.FormatCellValue(-DBL_MAX, true, options(code))));
        }
    }
}

} // namespace
