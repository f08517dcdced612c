// params.txt under French and English regional settings: whatever the file holds, the
// four settings come out filled, and the text the program writes for them reads back
// as the same settings.

#include "fuzzcheck.h"

#include "divers/ansi.h"
#include "settings/params.h"

#include <QByteArrayView>
#include <QLocale>

#include <array>
#include <cstdint>

using namespace talco;

namespace {

const std::array<QLocale, 2>& locales()
{
    static const std::array<QLocale, 2> l = {QLocale(QStringLiteral("fr_FR")),
                                             QLocale(QStringLiteral("en_US"))};
    return l;
}

// A value the file can hold as it is: one line, no tab, not empty (empty means default).
bool writable(const QString& value)
{
    return !value.isEmpty() && !value.contains(u'\r') && !value.contains(u'\n') &&
           !value.contains(u'\t');
}

bool writable(const Settings& s)
{
    return writable(s.G_Langue) && writable(s.G_2Chiffres) && writable(s.G_3Chiffres) &&
           writable(s.G_Milliers);
}

QString describe(const Settings& s)
{
    return s.G_Langue + u'|' + s.G_2Chiffres + u'|' + s.G_3Chiffres + u'|' + s.G_Milliers;
}

void checkRoundTrip(const Settings& s, const QLocale& locale, const QString& input)
{
    if (!writable(s))
        return;
    const QString written = ParamsText(s);
    const Settings back = ParseParams(written, locale);
    FUZZ_CHECK(back == s, "input", input, "settings", describe(s), "written", written, "read back",
               describe(back), "locale", locale.name());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fromAnsi(QByteArrayView(data, qsizetype(size)));

    for (const QLocale& locale : locales()) {
        const Settings s = ParseParams(text, locale);
        FUZZ_CHECK(!s.G_Langue.isEmpty() && !s.G_2Chiffres.isEmpty() && !s.G_3Chiffres.isEmpty() &&
                       !s.G_Milliers.isEmpty(),
                   "input", text, "settings", describe(s), "locale", locale.name());
        checkRoundTrip(s, locale, text);

        // The input split at NUL bytes as four values of any kind, as a caller of
        // SaveParams could pass them.
        const QStringList parts = text.split(QChar(0));
        if (parts.size() == 4) {
            const Settings given{parts[0], parts[1], parts[2], parts[3]};
            checkRoundTrip(given, locale, text);
        }
    }
    return 0;
}
