#include "support/qstringprint.h"
#include "tape/regionalinfo.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace talco;

namespace {

struct NativeNameRow {
    const char* name;
    const char16_t* locale;
    const char16_t* expected;
};

// The settings compare this name with "français" to choose the language, so every
// French-speaking country must give exactly that, and no other language may.
const NativeNameRow NativeNameRows[] = {
    {"France", u"fr_FR", u"fran\u00E7ais"},      {"Canada", u"fr_CA", u"fran\u00E7ais"},
    {"Switzerland", u"fr_CH", u"fran\u00E7ais"}, {"UnitedStates", u"en_US", u"English"},
    {"Britain", u"en_GB", u"English"},           {"Germany", u"de_DE", u"Deutsch"},
};

class NativeLanguageName : public ::testing::TestWithParam<NativeNameRow> {};

TEST_P(NativeLanguageName, ItemFour)
{
    const NativeNameRow& row = GetParam();
    EXPECT_EQ(GetRegionalInfo(4, QLocale(QString::fromUtf16(row.locale))),
              QString::fromUtf16(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Locales, NativeLanguageName, ::testing::ValuesIn(NativeNameRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GetRegionalInfo, UnknownItemIsEmpty)
{
    const QLocale french(QStringLiteral("fr_FR"));
    for (int item : {0, 1, 0x7FFF, -1})
        EXPECT_TRUE(GetRegionalInfo(item, french).isEmpty()) << item;
}

} // namespace
