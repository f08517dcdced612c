#include "divers/ansi.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <set>

using namespace talco;

namespace {

TEST(Ansi, EveryByteSurvivesARoundTrip)
{
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = fromAnsi(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toAnsi(text), all);
    // Outside 0x80-0x9F a byte is its Latin-1 character; inside, Windows-1252's
    // typographic characters, its five holes (0x81 here) keeping the control of that value.
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(int(text[b].unicode()), b);
        }
    }
    EXPECT_EQ(fromAnsi("\x80\x81\x82\x92\x9C\x9F"),
              QString::fromUtf16(u"\u20AC\u0081\u201A\u2019\u0153\u0178"));
    // Distinct characters, and no byte but "?" itself decodes to "?".
    EXPECT_EQ(std::set<char16_t>(text.utf16(), text.utf16() + text.size()).size(), 256u);
    EXPECT_EQ(text.count(u'?'), 1);
}

TEST(Ansi, UnmappableBecomesQuestionMark)
{
    // U+202F is why French numbers are written with U+00A0 as their group separator.
    EXPECT_EQ(toAnsi(u"\u202F\u0100\u4E2D\u0080\u2212"), QByteArray("?????"));
    // One character outside the BMP is one "?", not two.
    EXPECT_EQ(toAnsi(u"a\U0001F600b"), QByteArray("a?b"));
    // Lone surrogates cannot be written either.
    const char16_t lone[] = {u'x', 0xD83D, u'y', 0xDE00, 0};
    EXPECT_EQ(toAnsi(lone), QByteArray("x?y?"));
}

} // namespace
