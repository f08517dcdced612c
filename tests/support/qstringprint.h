#pragma once

// Failure messages and test lists show texts as text and table rows by their names,
// not as bytes.

#include <QLocale>
#include <QString>

#include <concepts>
#include <ostream>
#include <string_view>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QLocale& locale, std::ostream* os)
{
    *os << locale.name().toStdString();
}

namespace talco::testsupport {

// A row of a parameterised test prints as its name; a test file brings this in with
// "using talco::testsupport::PrintTo;" beside its rows.
template <typename Row>
requires requires(const Row& row)
{
    {
        row.name
        } -> std::convertible_to<std::string_view>;
}
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace talco::testsupport
