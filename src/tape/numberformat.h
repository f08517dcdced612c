#pragma once

#include "tape/settings.h"

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringView>

namespace talco {

// A compiled numeric pattern of the classic format language: "0" a digit always
// shown, "#" a digit shown when significant, "." the decimal separator and ","
// between integer digits for grouping by threes.
struct NumberPattern {
    int minIntDigits = 0;
    int minFracDigits = 0;
    int maxFracDigits = 0;
    bool grouped = false;

    static NumberPattern compile(QStringView pattern);
};

enum class ParseStatus {
    NotNumber,  // not a number at all: the row is inert
    Number,     // a number that fits a double
    OutOfRange, // a number beyond the double range
};

struct ParsedNumber {
    ParseStatus status = ParseStatus::NotNumber;
    double value = 0.0;

    bool ok() const { return status == ParseStatus::Number; }
};

// Turns numbers into cell texts and back under one set of regional settings.
// Only ASCII digits and "-" are used; separators come from the locale.
class NumberFormat {
public:
    explicit NumberFormat(const QLocale& locale);
    // Numbers written with the given separators, whatever the regional settings; a file
    // written under other settings is read with these.
    static NumberFormat withSeparators(QChar decimal, QChar group);

    const QLocale& locale() const { return m_locale; }

    // The display text of a figure (isResult false) or a result, following the
    // three display options in settings.
    QString FormatCellValue(double value, bool isResult, const Settings& settings) const;

    // value written with the pattern under the regional separators. Rounding is half
    // away from zero on the value written with 15 significant digits, as a person
    // checking by hand would round 1.005 to 1.01.
    QString formatPattern(double value, const NumberPattern& pattern) const;
    QString formatPattern(double value, QStringView pattern) const
    {
        return formatPattern(value, NumberPattern::compile(pattern));
    }

    // Up to 15 significant digits, no grouping; scientific below 1E-04 and from 1E+15.
    QString generalForm(double value) const;

    // The number test and parse of a cell's text.
    ParsedNumber parse(QStringView text) const;
    bool isNumber(QStringView text) const { return parse(text).ok(); }

    // True when the regional decimal separator is a comma.
    bool decimalComma() const { return m_decimal == u','; }
    // The separators figures are written with; the keypad's decimal key enters the first.
    QChar decimalPoint() const { return m_decimal; }
    QChar groupSeparator() const { return m_group; }
    // True for the group separator and, when that is a blank, for every blank that
    // stands for it (space, no-break space, narrow no-break space).
    bool isGroupSeparator(QChar c) const;

private:
    QLocale m_locale;
    QChar m_decimal;
    QChar m_group;
    bool m_groupIsBlank = false;
};

} // namespace talco
