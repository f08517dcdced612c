// The tape as CSV for a spreadsheet, byte for byte under both regional settings.

#include "files/csv.h"

#include "tape/tapemodel.h"

#include <gtest/gtest.h>

using namespace talco;

namespace {

TEST(TapeCsv, HeaderRowsAndQuotingUnderEitherSettings)
{
    struct Case {
        const char* locale;
        const char* langue;
        QByteArray expected;
    };
    const Case cases[] = {
        {"fr_FR", "FR",
         "\xEF\xBB\xBF"
         "Ligne;Op\xC3\xA9rateur;Valeur;R\xC3\xA9sultat;Note\r\n"
         "1;;1234,50;non;\"loyer; \"\"mars\"\"\"\r\n"
         "2;+;5,00;non;\r\n"
         "3;=;1239,50;oui;\"deux\r\nlignes\"\r\n"
         "5;;;non;\xC3\xA9t\xC3\xA9\r\n"},
        {"en_US", "EN",
         "\xEF\xBB\xBF"
         "Row,Operator,Value,Result,Note\r\n"
         "1,,1234.50,no,\"loyer; \"\"mars\"\"\"\r\n"
         "2,+,5.00,no,\r\n"
         "3,=,1239.50,yes,\"deux\r\nlignes\"\r\n"
         "5,,,no,\xC3\xA9t\xC3\xA9\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        Settings settings;
        settings.G_Langue = QString::fromLatin1(c.langue);
        TapeModel tape(settings, QLocale(QString::fromLatin1(c.locale)));
        tape.setFocus(CellId::Nombre(0));
        for (char16_t key : std::u16string_view(u"1234.5+5="))
            tape.typeKey(*tape.focusedCell(), key);
        tape.setNote(0, QStringLiteral("loyer; \"mars\""));
        tape.setNote(2, QStringLiteral("deux\r\nlignes"));
        tape.setNote(4, QString::fromUtf16(u"\u00E9t\u00E9"));
        EXPECT_EQ(TapeCsv(tape), c.expected);
    }
}

} // namespace
