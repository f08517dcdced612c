#include "tape/regionalinfo.h"

namespace talco {

QString GetRegionalInfo(int item, const QLocale& locale)
{
    switch (item) {
    case LOCALE_SNATIVELANGNAME:
        // The language's own name, whatever the country: fr_CA and fr_CH also give
        // "français", which the settings compare with, and en_US "English" rather
        // than "American English".
        return QLocale(locale.language(), QLocale::World).nativeLanguageName();
    case LOCALE_SLANGUAGE:
        return QLocale::languageToString(locale.language());
    case LOCALE_SISO639LANGNAME: {
        const QString name = locale.name();
        return name.left(name.indexOf(u'_'));
    }
    case LOCALE_SDECIMAL:
        return locale.decimalPoint();
    case LOCALE_STHOUSAND:
        return locale.groupSeparator();
    case LOCALE_SISO3166CTRYNAME: {
        const QString name = locale.name();
        const qsizetype sep = name.indexOf(u'_');
        return sep < 0 ? QString() : name.mid(sep + 1);
    }
    default:
        return QString();
    }
}

} // namespace talco
