#include "tape/numberformat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace talco {

namespace {

constexpr int SignificantDigits = 15;

// A finite, non-negative value as 15 significant decimal digits: value = 0.D x 10^point.
struct Decimal {
    std::array<char, SignificantDigits + 1> digits{}; // one spare for a carry
    int count = SignificantDigits;
    int point = 0; // digits before the decimal point (may be <= 0 or > count)
    bool zero = true;
};

Decimal toDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0.0)
        return d;
    char buf[64];
    // Locale-independent, correctly rounded: "d.dddddddddddddde+XX".
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                             SignificantDigits - 1);
    const char* p = buf;
    int n = 0;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits[n++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exponent);
    d.count = n;
    d.point = exponent + 1;
    d.zero = false;
    return d;
}

// Rounds to the given count of fraction digits, halves away from zero.
void roundTo(Decimal& d, int fracDigits)
{
    if (d.zero)
        return;
    const int keep = d.point + fracDigits; // significant digits kept
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d = Decimal{};
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            // 999.5 -> 1000: a new leading digit.
            for (int k = keep; k > 0; --k)
                d.digits[k] = d.digits[k - 1];
            d.digits[0] = '1';
            ++d.count;
            ++d.point;
        }
    }
    // Drop trailing zeros; all zeros means the value rounded to zero.
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    if (d.count == 0)
        d = Decimal{};
}

char digitAt(const Decimal& d, int index) // index 0 is the first significant digit
{
    return (index >= 0 && index < d.count) ? d.digits[index] : '0';
}

} // namespace

NumberPattern NumberPattern::compile(QStringView pattern)
{
    NumberPattern p;
    bool inFraction = false;
    bool seenDigit = false;
    for (QChar c : pattern) {
        if (c == u'.') {
            inFraction = true;
        } else if (c == u'0' || c == u'#') {
            if (inFraction) {
                ++p.maxFracDigits;
                if (c == u'0')
                    p.minFracDigits = p.maxFracDigits;
            } else {
                if (c == u'0')
                    ++p.minIntDigits;
                seenDigit = true;
            }
        } else if (c == u',' && !inFraction && seenDigit) {
            p.grouped = true;
        }
    }
    return p;
}

NumberFormat::NumberFormat(const QLocale& locale) : m_locale(locale)
{
    const QString dec = m_locale.decimalPoint();
    const QString grp = m_locale.groupSeparator();
    m_decimal = dec.isEmpty() ? QChar(u'.') : dec.front();
    m_group = grp.isEmpty() ? QChar(u',') : grp.front();
    // Qt gives the narrow no-break space for French; Windows-1252, the encoding of the
    // program's files, has only the no-break space.
    if (m_group == QChar(0x202F))
        m_group = QChar(0x00A0);
    m_groupIsBlank = m_group == QChar(0x00A0) || m_group == u' ';
}

NumberFormat NumberFormat::withSeparators(QChar decimal, QChar group)
{
    NumberFormat f(QLocale::c());
    f.m_decimal = decimal;
    f.m_group = group == QChar(0x202F) ? QChar(0x00A0) : group;
    f.m_groupIsBlank = f.m_group == QChar(0x00A0) || f.m_group == u' ';
    return f;
}

bool NumberFormat::isGroupSeparator(QChar c) const
{
    if (c == m_group)
        return true;
    return m_groupIsBlank && (c == QChar(0x00A0) || c == QChar(0x202F) || c == u' ');
}

QString NumberFormat::formatPattern(double value, const NumberPattern& pattern) const
{
    if (!std::isfinite(value))
        return generalForm(value);
    Decimal d = toDecimal(std::fabs(value));
    roundTo(d, pattern.maxFracDigits);

    std::array<char16_t, 512> out;
    int n = 0;
    if (std::signbit(value) && !d.zero)
        out[n++] = u'-';

    // Integer part: significant digits before the point, at least minIntDigits.
    const int intDigits = d.zero ? 0 : std::max(d.point, 0);
    const int shownInt = std::max(intDigits, pattern.minIntDigits);
    if (shownInt + pattern.maxFracDigits + shownInt / 3 + 4 > int(out.size()))
        return generalForm(value); // beyond any pattern's reach; cannot happen for doubles
    for (int i = 0; i < shownInt; ++i) {
        const int fromLeft = i - (shownInt - intDigits); // index into the significant digits
        out[n++] = fromLeft < 0 ? u'0' : char16_t(digitAt(d, fromLeft));
        const int remaining = shownInt - 1 - i;
        if (pattern.grouped && remaining > 0 && remaining % 3 == 0)
            out[n++] = m_group.unicode();
    }

    // Fraction: up to maxFracDigits, trailing zeros dropped down to minFracDigits.
    int fracCount = 0;
    std::array<char16_t, 64> frac;
    for (int k = 0; k < pattern.maxFracDigits && k < int(frac.size()); ++k) {
        frac[k] = d.zero ? u'0' : char16_t(digitAt(d, d.point + k));
        ++fracCount;
    }
    while (fracCount > pattern.minFracDigits && frac[fracCount - 1] == u'0')
        --fracCount;
    if (fracCount > 0) {
        out[n++] = m_decimal.unicode();
        for (int k = 0; k < fracCount; ++k)
            out[n++] = frac[k];
    }
    return QString(reinterpret_cast<const QChar*>(out.data()), n);
}

QString NumberFormat::generalForm(double value) const
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    const Decimal d = toDecimal(std::fabs(value));
    if (d.zero)
        return QStringLiteral("0");
    QString s;
    s.reserve(24);
    if (value < 0)
        s += u'-';
    int count = d.count;
    while (count > 1 && d.digits[count - 1] == '0')
        --count;
    const int exponent = d.point - 1;
    if (exponent < -4 || exponent >= 15) {
        s += QLatin1Char(d.digits[0]);
        if (count > 1) {
            s += m_decimal;
            for (int i = 1; i < count; ++i)
                s += QLatin1Char(d.digits[i]);
        }
        s += u'E';
        s += exponent < 0 ? u'-' : u'+';
        const int e = std::abs(exponent);
        if (e < 10)
            s += u'0';
        s += QString::number(e);
        return s;
    }
    if (d.point <= 0) {
        s += u'0';
        s += m_decimal;
        for (int i = d.point; i < 0; ++i)
            s += u'0';
        for (int i = 0; i < count; ++i)
            s += QLatin1Char(d.digits[i]);
        return s;
    }
    for (int i = 0; i < d.point; ++i)
        s += QLatin1Char(digitAt(d, i));
    if (count > d.point) {
        s += m_decimal;
        for (int i = d.point; i < count; ++i)
            s += QLatin1Char(d.digits[i]);
    }
    return s;
}

QString NumberFormat::FormatCellValue(double value, bool isResult, const Settings& s) const
{
    const bool two = s.G_2Chiffres == u"1";
    const bool three = s.G_3Chiffres == u"1";
    const bool thousands = s.G_Milliers == u"1";

    // Every pattern the options can choose, compiled once.
    static const NumberPattern groupedResult2 = NumberPattern::compile(u"#,###,##0.00");
    static const NumberPattern groupedFigure2 = NumberPattern::compile(u"#,###,##0.00#####");
    static const NumberPattern plainResult2 = NumberPattern::compile(u"0.00");
    static const NumberPattern plainFigure2 = NumberPattern::compile(u"0.00#####");
    static const NumberPattern groupedResult3 = NumberPattern::compile(u"#,###,##0.000");
    static const NumberPattern groupedFigure3 = NumberPattern::compile(u"#,###,##0.000#####");
    static const NumberPattern plainResult3 = NumberPattern::compile(u"0.000");
    static const NumberPattern plainFigure3 = NumberPattern::compile(u"0.000#####");
    static const NumberPattern groupedWhole = NumberPattern::compile(u"#,###,###");
    static const NumberPattern groupedAny = NumberPattern::compile(u"#,###,###.#####");

    if (!std::isfinite(value))
        return generalForm(value);

    const NumberPattern* pattern = nullptr;
    if ((two || three) && thousands) {
        pattern = two ? (isResult ? &groupedResult2 : &groupedFigure2)
                      : (isResult ? &groupedResult3 : &groupedFigure3);
    } else if ((two || three) && s.G_Milliers == u"0") {
        pattern = two ? (isResult ? &plainResult2 : &plainFigure2)
                      : (isResult ? &plainResult3 : &plainFigure3);
    } else if (s.G_2Chiffres == u"0" && thousands) {
        // The whole-number test goes through a 32-bit integer, rounded half to even;
        // values outside its range take the general form.
        const double whole = std::nearbyint(value);
        if (whole < double(std::numeric_limits<qint32>::min()) ||
            whole > double(std::numeric_limits<qint32>::max()))
            return generalForm(value);
        pattern = value == whole ? &groupedWhole : &groupedAny;
    } else {
        return generalForm(value);
    }

    QString text = formatPattern(value, *pattern);
    // "#,###,###" writes nothing for zero; a figure "0" must stay on the tape.
    if (text.isEmpty())
        text = QStringLiteral("0");
    return text;
}

ParsedNumber NumberFormat::parse(QStringView text) const
{
    ParsedNumber result;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].isSpace())
        ++begin;
    while (end > begin && text[end - 1].isSpace())
        --end;
    if (begin == end)
        return result;

    // Reused between calls: parsing runs for every row of every pass.
    static thread_local std::string ascii;
    ascii.clear();
    qsizetype i = begin;
    if (text[i] == u'-' || text[i] == u'+') {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    int digits = 0;
    int intDigits = 0;        // integer digits after leading zeros
    int leadingFracZeros = 0; // zeros right after the point while the integer part is zero
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            if (intDigits > 0 || c != u'0')
                ++intDigits;
            ascii += char(c.unicode());
            ++digits;
        } else if (isGroupSeparator(c) && c != m_decimal) {
            continue;
        } else {
            break;
        }
    }
    if (i < end && text[i] == m_decimal) {
        ascii += '.';
        ++i;
        bool significant = intDigits > 0;
        for (; i < end && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            if (!significant) {
                if (text[i] == u'0')
                    ++leadingFracZeros;
                else
                    significant = true;
            }
            ascii += char(text[i].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return result;
    long exponent = 0;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negative = false;
        if (i < end && (text[i] == u'-' || text[i] == u'+')) {
            negative = text[i] == u'-';
            ++i;
        }
        const qsizetype expStart = i;
        for (; i < end && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            if (exponent < 1000000)
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (i == expStart)
            return result;
        if (negative)
            exponent = -exponent;
        ascii += 'e';
        ascii += std::to_string(exponent);
    }
    if (i != end)
        return result;
    double value = 0.0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Decimal magnitude of the leading digit decides between a tiny value (zero)
        // and one too large for a double.
        const long magnitude = (intDigits > 0 ? intDigits : -leadingFracZeros) + exponent;
        const bool negative = ascii.front() == '-';
        if (magnitude <= 0) {
            result.status = ParseStatus::Number;
            result.value = negative ? -0.0 : 0.0;
            return result;
        }
        // The largest double written with 15 digits reads a little above it; such a
        // text is still the largest double, so that every formatted result reads back.
        long double wide = 0;
        const auto again = std::from_chars(ascii.data(), ascii.data() + ascii.size(), wide);
        if (again.ec == std::errc() && std::fabs(wide) <= 1.79769313486232e308L) {
            result.status = ParseStatus::Number;
            result.value =
                negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
            return result;
        }
        result.status = ParseStatus::OutOfRange;
        return result;
    }
    // Digits never read as infinity: beyond the range is the error above.
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size())
        return result;
    result.status = ParseStatus::Number;
    result.value = value;
    return result;
}

} // namespace talco
