#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken property is a crash to libFuzzer: say which, with the texts involved, and
// abort so that the input is kept as a crash file.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "FUZZ_CHECK failed at %s:%d: %s\n", __FILE__, __LINE__,           \
                         #condition);                                                              \
            talco_fuzz::explain(__VA_ARGS__);                                                      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace talco_fuzz {

inline void explain() {}

// Texts go out as UTF-16 code points too: separators and blanks look alike otherwise.
inline void explain(const char* label, const QString& text)
{
    std::fprintf(stderr, "  %s: \"%s\" [", label, text.toUtf8().constData());
    for (QChar c : text)
        std::fprintf(stderr, " %04X", unsigned(c.unicode()));
    std::fprintf(stderr, " ]\n");
}

template <typename... Rest> void explain(const char* label, const QString& text, Rest&&... rest)
{
    explain(label, text);
    explain(rest...);
}

} // namespace talco_fuzz
