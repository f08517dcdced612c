#include "files/ansi.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

using namespace talco;

namespace {

TEST(Ansi, Latin1RangeIsItself)
{
    for (int c = 0; c < 0x100; ++c) {
        if (c >= 0x80 && c < 0xA0)
            continue;
        const QChar ch{char16_t(c)};
        EXPECT_EQ(toAnsi(QStringView(&ch, 1)), QByteArray(1, char(c))) << c;
        EXPECT_EQ(fromAnsi(QByteArray(1, char(c))), QString(ch)) << c;
    }
}

struct SpecialRow {
    const char* name;
    char16_t unicode;
    unsigned char byte;
};

// Windows-1252 puts typographic characters where Latin-1 has C1 controls.
const SpecialRow SpecialRows[] = {
    {"Euro", 0x20AC, 0x80},
    {"LowQuote", 0x201A, 0x82},
    {"Florin", 0x0192, 0x83},
    {"Ellipsis", 0x2026, 0x85},
    {"CapitalSCaron", 0x0160, 0x8A},
    {"CapitalOE", 0x0152, 0x8C},
    {"LeftQuote", 0x2018, 0x91},
    {"RightQuote", 0x2019, 0x92},
    {"LeftDoubleQuote", 0x201C, 0x93},
    {"RightDoubleQuote", 0x201D, 0x94},
    {"EnDash", 0x2013, 0x96},
    {"TradeMark", 0x2122, 0x99},
    {"SmallOE", 0x0153, 0x9C},
    {"CapitalYDiaeresis", 0x0178, 0x9F},
};

class AnsiSpecial : public ::testing::TestWithParam<SpecialRow> {};

TEST_P(AnsiSpecial, BothWays)
{
    const SpecialRow& row = GetParam();
    const QChar ch(row.unicode);
    EXPECT_EQ(toAnsi(QStringView(&ch, 1)), QByteArray(1, char(row.byte)));
    EXPECT_EQ(fromAnsi(QByteArray(1, char(row.byte))), QString(ch));
}

INSTANTIATE_TEST_SUITE_P(Characters, AnsiSpecial, ::testing::ValuesIn(SpecialRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Ansi, UnmappableBecomesQuestionMark)
{
    // U+202F is why French numbers are written with U+00A0 as their group separator.
    EXPECT_EQ(toAnsi(u"\u202F\u0100\u4E2D\u0080\u2212"), QByteArray("?????"));
    // One character outside the BMP is one "?", not two.
    EXPECT_EQ(toAnsi(u"a\U0001F600b"), QByteArray("a?b"));
    // Lone surrogates cannot be written either.
    const char16_t lone[] = {u'x', 0xD83D, u'y', 0xDE00, 0};
    EXPECT_EQ(toAnsi(lone), QByteArray("x?y?"));
    EXPECT_EQ(toAnsi(u"12\u00A0345,67\u20AC"), QByteArray("12\xA0"
                                                          "345,67\x80"));
}

TEST(Ansi, EveryByteSurvivesARoundTrip)
{
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = fromAnsi(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toAnsi(text), all);
    // Distinct characters, and no byte but "?" itself decodes to "?".
    EXPECT_EQ(std::set<char16_t>(text.utf16(), text.utf16() + text.size()).size(), 256u);
    EXPECT_EQ(text.count(u'?'), 1);
}

} // namespace
