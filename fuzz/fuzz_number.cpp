// Number texts under French and English regional settings: any text parses without
// harm, and every finite value's cell text reads back as the same number, whatever the
// display options.

#include "fuzzcheck.h"

#include "divers/ansi.h"
#include "tape/numberformat.h"
#include "tape/settings.h"

#include <QByteArrayView>
#include <QLocale>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

using namespace talco;

namespace {

const std::array<NumberFormat, 2>& formats()
{
    static const std::array<NumberFormat, 2> f = {NumberFormat(QLocale(QStringLiteral("fr_FR"))),
                                                  NumberFormat(QLocale(QStringLiteral("en_US")))};
    return f;
}

// Every combination of "1", "0" and some other text for the three display options.
const std::array<Settings, 27>& optionSets()
{
    static const std::array<Settings, 27> sets = [] {
        const QString values[] = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("x")};
        std::array<Settings, 27> out;
        for (int i = 0; i < 27; ++i) {
            out[i].G_2Chiffres = values[i % 3];
            out[i].G_3Chiffres = values[i / 3 % 3];
            out[i].G_Milliers = values[i / 9];
        }
        return out;
    }();
    return sets;
}

QString describe(const Settings& s, bool isResult)
{
    return s.G_2Chiffres + s.G_3Chiffres + s.G_Milliers +
           (isResult ? QStringLiteral(" result") : QStringLiteral(" figure"));
}

QString withoutGroups(const NumberFormat& format, QString text)
{
    return text.remove(format.locale().groupSeparator()).remove(QChar(0x00A0));
}

// With no decimal option and thousands on, the whole-number test goes through a 32-bit
// integer on the value as it stands, rounded half to even. Just inside the range a value
// such as 2147483647.4999998 passes it and is written grouped as "2 147 483 647,5"; that
// text reads back as 2147483647.5, which fails it and is written in the general form,
// "2147483647,5". Same digits, same value: only the grouping differs.
bool int32Edge(const NumberFormat& format, const Settings& s, double value, const QString& text,
               const QString& again)
{
    const bool wholeNumberTest =
        s.G_2Chiffres == u"0" && s.G_3Chiffres != u"1" && s.G_Milliers == u"1";
    return wholeNumberTest && std::fabs(value) >= 2147483647.0 &&
           std::fabs(value) <= 2147483648.5 &&
           withoutGroups(format, text) == withoutGroups(format, again);
}

void checkFormatted(const NumberFormat& format, double value)
{
    const QString valueText = QString::number(value, 'g', 17);
    for (const Settings& s : optionSets()) {
        for (bool isResult : {false, true}) {
            const QString text = format.FormatCellValue(value, isResult, s);
            if (!std::isfinite(value))
                continue;
            const ParsedNumber back = format.parse(text);
            FUZZ_CHECK(back.status == ParseStatus::Number, "value", valueText, "options",
                       describe(s, isResult), "locale", format.locale().name(), "text", text);
            const QString again = format.FormatCellValue(back.value, isResult, s);
            FUZZ_CHECK(again == text || int32Edge(format, s, back.value, text, again), "value",
                       valueText, "options", describe(s, isResult), "locale",
                       format.locale().name(), "text", text, "read back",
                       QString::number(back.value, 'g', 17), "written again", again);
        }
    }
}

void checkText(const QString& text)
{
    for (const NumberFormat& format : formats()) {
        const ParsedNumber parsed = format.parse(text);
        if (parsed.status != ParseStatus::Number)
            continue;
        FUZZ_CHECK(std::isfinite(parsed.value), "text", text, "locale", format.locale().name());
        checkFormatted(format, parsed.value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    checkText(fromAnsi(bytes));

    QString utf16(qsizetype(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        utf16[qsizetype(i / 2)] = QChar(char16_t(data[i] | data[i + 1] << 8));
    checkText(utf16);

    for (std::size_t i = 0; i + sizeof(double) <= size; i += sizeof(double)) {
        double value;
        std::memcpy(&value, data + i, sizeof value);
        for (const NumberFormat& format : formats())
            checkFormatted(format, value);
    }
    return 0;
}
