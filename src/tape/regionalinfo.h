#pragma once

#include <QLocale>
#include <QString>

namespace talco {

// Locale information items, numbered as the Windows LCTYPE constants they stand for.
enum LocaleItem : int {
    LOCALE_SLANGUAGE = 0x02,
    LOCALE_SNATIVELANGNAME = 0x04,
    LOCALE_SDECIMAL = 0x0E,
    LOCALE_STHOUSAND = 0x0F,
    LOCALE_SISO639LANGNAME = 0x59,
    LOCALE_SISO3166CTRYNAME = 0x5A,
};

// The text of a locale information item for the given regional settings (the
// user's by default), or an empty text for an item it does not know.
QString GetRegionalInfo(int item, const QLocale& locale);

} // namespace talco
