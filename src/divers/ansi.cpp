#include "divers/ansi.h"

#include <array>

namespace talco {

namespace {

// 0x80 to 0x9F; the five holes map to the C1 control of the same value, as Windows does.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

bool inAnsi(char16_t c)
{
    return c == u'?' || encodeOne(c) != '?';
}

QByteArray toAnsi(QStringView text)
{
    QByteArray out;
    out.resize(text.size());
    char* p = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // A surrogate pair is one character the encoding cannot hold.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            *p++ = '?';
            continue;
        }
        *p++ = encodeOne(c);
    }
    out.resize(p - out.data());
    return out;
}

QString fromAnsi(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = QChar(u >= 0x80 && u < 0xA0 ? HighControls[u - 0x80] : char16_t(u));
    }
    return out;
}

} // namespace talco
