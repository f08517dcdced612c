#include "support/qstringprint.h"
#include "tape/regionalinfo.h"

#include <gtest/gtest.h>

using namespace talco;

namespace {

// The settings compare the native language name (item 4) with "français" to choose the
// language, so every French-speaking country must give exactly that, and no other may.
TEST(GetRegionalInfo, NativeLanguageNameIsFrancaisOnlyInFrench)
{
    for (const char16_t* name : {u"fr_FR", u"fr_CA", u"fr_CH", u"fr_BE"}) {
        EXPECT_EQ(GetRegionalInfo(4, QLocale(QString::fromUtf16(name))), u"fran\u00E7ais")
            << QString::fromUtf16(name).toStdString();
    }
    EXPECT_EQ(GetRegionalInfo(4, QLocale(QStringLiteral("en_US"))), QStringLiteral("English"));
    EXPECT_EQ(GetRegionalInfo(4, QLocale(QStringLiteral("de_DE"))), QStringLiteral("Deutsch"));
}

} // namespace
