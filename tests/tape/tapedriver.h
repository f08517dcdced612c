#pragma once

// Small helpers shared by the tape engine's tests: regional settings, typing keys into
// the focused cell, loading a tape without recalculating it row by row, and rows as text.

#include "support/qstringprint.h"
#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace talco::tapetest {

inline const Settings DefaultSettings{}; // two decimals, thousands separator on

inline QLocale french()
{
    return QLocale(QStringLiteral("fr_FR"));
}

inline QLocale english()
{
    return QLocale(QStringLiteral("en_US"));
}

inline QString qs(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

// Types each key into whichever cell has the focus, as a user at the keyboard does.
inline void typeKeys(TapeModel& tape, std::u16string_view keys)
{
    for (char16_t key : keys)
        tape.typeKey(*tape.focusedCell(), key);
}

inline void expectFocusOnNombre(const TapeModel& tape, int row)
{
    ASSERT_TRUE(tape.focusedCell().has_value());
    EXPECT_EQ(*tape.focusedCell(), CellId::Nombre(row));
    EXPECT_EQ(tape.entry().CurrentRow, row);
    EXPECT_FALSE(tape.entry().OpCellFocused);
}

// Rows first to last as "op|nombre;op|nombre;...": one comparison shows the whole tape.
inline QString tapeRows(const TapeModel& tape, int first = 0, int last = LastRow)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << tape.Op(i).text + u'|' + tape.Nombre(i).text;
    return out.join(u';');
}

struct RowText {
    std::u16string_view op;
    std::u16string_view nombre;
};

// Writes rows from row 0 down quietly, as the tape loader does at start; the caller
// decides when to recalculate.
inline void load(TapeModel& tape, const std::vector<RowText>& rows)
{
    std::vector<TapeModel::RowTexts> texts;
    for (const RowText& r : rows)
        texts.push_back({int(texts.size()), qs(r.op), qs(r.nombre), QString()});
    tape.loadRows(texts, true);
}

// Every row used, with every operator and a result row every seventh row, recalculated.
inline void fillTape(TapeModel& tape)
{
    const char16_t* ops[] = {u"", u"+", u"-", u"*", u"/", u"+", u"="};
    std::vector<TapeModel::RowTexts> rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows.push_back({i, qs(ops[i % 7]), QString::number((i * 37) % 101 + 1), QString()});
    tape.loadRows(rows, true);
    tape.Recalculate(false);
}

} // namespace talco::tapetest
