// Bad input never leaves the engine inconsistent: any key in any cell, hostile cell texts,
// and a long random session.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

using namespace talco;
using namespace talco::tapetest;

namespace {

// What must hold after any outermost handler has returned.
::testing::AssertionResult consistent(const TapeModel& tape)
{
    if (!tape.focusedCell())
        return ::testing::AssertionFailure() << "no focused cell";
    const CellId f = *tape.focusedCell();
    if (f.row < 0 || f.row > LastRow)
        return ::testing::AssertionFailure() << "focus on row " << f.row;
    const EntryState& e = tape.entry();
    if (e.CurrentRow != f.row || e.OpCellFocused != (f.kind == CellKind::Op))
        return ::testing::AssertionFailure()
               << "current row " << e.CurrentRow << " but focus on row " << f.row;
    if (e.Busy || e.CaretToEnd)
        return ::testing::AssertionFailure() << "Busy or CaretToEnd left set";
    int shown = 0;
    for (int i = 0; i < TapeRowCount; ++i) {
        for (const Cell* c : {&tape.Op(i), &tape.Nombre(i)}) {
            if (c->caret < 0 || c->selLength < 0 || c->caret + c->selLength > c->text.size())
                return ::testing::AssertionFailure() << "caret outside text in row " << i;
        }
        if (tape.Op(i).visible != tape.Nombre(i).visible)
            return ::testing::AssertionFailure() << "half-shown row " << i;
        shown += tape.Nombre(i).visible ? 1 : 0;
    }
    if (shown != tape.VisibleRows() || tape.Nombre(LastRow).visible)
        return ::testing::AssertionFailure() << shown << " rows shown";
    if (tape.scrollValue() < 0 || tape.scrollValue() > tape.scrollMax())
        return ::testing::AssertionFailure() << "scroll position " << tape.scrollValue();
    if (tape.ProxyRow() < 1 || tape.ProxyRow() > LastRow)
        return ::testing::AssertionFailure() << "proxy row " << tape.ProxyRow();
    return ::testing::AssertionSuccess();
}

// The tape as one full pass from its texts alone leaves it: whatever the engine keeps
// between passes must never show through.
::testing::AssertionResult matchesFullPass(const TapeModel& tape)
{
    TapeModel fresh(tape.settings(), tape.numberFormat().locale());
    fresh.entry().Busy = true;
    for (int i = 0; i < TapeRowCount; ++i) {
        fresh.setText(CellId::Op(i), tape.Op(i).text);
        fresh.setText(CellId::Nombre(i), tape.Nombre(i).text);
    }
    fresh.entry().Busy = false;
    fresh.Recalculate(false);
    for (int i = 0; i < TapeRowCount; ++i) {
        for (CellKind kind : {CellKind::Op, CellKind::Nombre}) {
            const Cell& a = tape.cell({kind, i});
            const Cell& b = fresh.cell({kind, i});
            if (a.text != b.text || a.bold != b.bold || a.colour != b.colour ||
                a.fontSize != b.fontSize)
                return ::testing::AssertionFailure()
                       << "row " << i << " shows \"" << a.text.toStdString()
                       << "\" where a full pass gives \"" << b.text.toStdString() << '"';
        }
    }
    return ::testing::AssertionSuccess();
}

// Every row used, with every operator and some result rows.
void fillTape(TapeModel& tape)
{
    const std::u16string_view ops[] = {u"", u"+", u"-", u"*", u"/", u"+", u"="};
    std::vector<std::u16string> figures;
    for (int i = 0; i < TapeRowCount; ++i)
        figures.push_back(QString::number((i * 37) % 101 + 1).toStdU16String());
    std::vector<RowText> rows;
    for (int i = 0; i < TapeRowCount; ++i)
        rows.push_back({ops[i % std::size(ops)], figures[i]});
    load(tape, rows);
    tape.Recalculate(false);
}

TEST(Robustness, AnyKeyInAnyKindOfCell)
{
    // Every handled key, and controls, letters, Latin-1, separators and surrogates.
    using namespace std::string_view_literals;
    const std::u16string_view keys = u"0123456789,.+-*/=\b\r\x00\x01\t\n\x1B e~\x7F\xA0\xE9"
                                     u"\x202F\x2212\xD800\xDC00\xFEFF\xFFFD\xFFFF"sv;
    for (int row : {0, 1, 50, 95, 96, 97, 98, 99}) {
        for (CellKind kind : {CellKind::Nombre, CellKind::Op}) {
            for (char16_t key : keys) {
                SCOPED_TRACE(testing::Message()
                             << "row " << row << (kind == CellKind::Op ? " op" : " nombre")
                             << " key " << int(key));
                TapeModel tape(DefaultSettings, french());
                fillTape(tape);
                tape.userScroll(row);
                tape.focusIn(CellId{kind, row});
                tape.typeKey(CellId{kind, row}, key);
                ASSERT_TRUE(consistent(tape));
            }
        }
    }
}

// ---- hostile cell texts ----------------------------------------------------------------

enum class Reading { Inert, Stops, Zero, One };

struct TextCase {
    const char* name;
    std::function<QString()> text;
    Reading reading;
};

class HostileText : public ::testing::TestWithParam<TextCase> {};

TEST_P(HostileText, AsFigure)
{
    const TextCase& c = GetParam();
    const QString text = c.text();
    for (bool reformat : {true, false}) {
        SCOPED_TRACE(reformat);
        TapeModel tape(DefaultSettings, french());
        load(tape,
             {{u"", u"10"}, {u"+", u""}, {u"=", u""}, {u"", u"1"}, {u"+", u"2"}, {u"=", u""}});
        tape.setFocus(CellId::Nombre(6));
        tape.entry().Busy = true;
        tape.setText(CellId::Nombre(1), text);
        tape.entry().Busy = false;
        tape.Recalculate(reformat);
        tape.Recalculate(!reformat);
        ASSERT_TRUE(consistent(tape));
        EXPECT_TRUE(matchesFullPass(tape));

        switch (c.reading) {
        case Reading::Inert:
            EXPECT_EQ(tape.Nombre(1).text, text);
            EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("10,00"));
            EXPECT_EQ(tape.Nombre(5).text, QStringLiteral("3,00"));
            break;
        case Reading::Stops:
            EXPECT_EQ(tape.Nombre(1).text, text);
            EXPECT_EQ(tape.Nombre(2).text, QString());
            EXPECT_EQ(tape.Nombre(5).text, QString());
            break;
        case Reading::Zero:
        case Reading::One:
            EXPECT_EQ(tape.Nombre(2).text, c.reading == Reading::Zero ? QStringLiteral("10,00")
                                                                      : QStringLiteral("11,00"));
            EXPECT_EQ(tape.Nombre(5).text, QStringLiteral("3,00"));
            break;
        }
    }
}

TEST_P(HostileText, AsResultOrOperator)
{
    const QString text = GetParam().text();
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"10"}, {u"=", u""}, {u"", u"4"}, {u"", u"5"}, {u"=", u""}});
    tape.setFocus(CellId::Nombre(5));
    tape.setText(CellId::Nombre(1), text);
    tape.setText(CellId::Op(3), text);
    tape.Recalculate(true);
    ASSERT_TRUE(consistent(tape));
    EXPECT_TRUE(matchesFullPass(tape));
    EXPECT_EQ(tape.Nombre(1).text, QStringLiteral("10,00")); // a result row is always rewritten
    EXPECT_EQ(tape.Op(3).text, text);
    EXPECT_EQ(tape.Op(3).bold, text == u"=");
}

QString repeated(int n, char16_t c)
{
    return QString(n, QChar(c));
}

const TextCase textCases[] = {
    {"TenThousandNines", [] { return repeated(10000, u'9'); }, Reading::Stops},
    {"TenThousandDigitsWorthOne", [] { return repeated(9999, u'0') + QStringLiteral("1"); },
     Reading::One},
    {"TinyFraction",
     [] { return QStringLiteral("0,") + repeated(9998, u'0') + QStringLiteral("1"); },
     Reading::Zero},
    {"TenThousandLetters", [] { return repeated(10000, u'x'); }, Reading::Inert},
    {"ControlCharacters", [] { return QStringLiteral("\x01\x02\x1b\x7f"); }, Reading::Inert},
    {"DigitThenNul", [] { return QStringLiteral("5") + QChar(0); }, Reading::Inert},
    {"TwoDecimalSeparators", [] { return QStringLiteral("1,2,3"); }, Reading::Inert},
    {"LoneSeparator", [] { return QStringLiteral(","); }, Reading::Inert},
    {"ExponentBeyondDouble", [] { return QStringLiteral("1e999"); }, Reading::Stops},
    {"NaN", [] { return QStringLiteral("NaN"); }, Reading::Inert},
    {"Inf", [] { return QStringLiteral("inf"); }, Reading::Inert},
    {"LoneMinus", [] { return QStringLiteral("-"); }, Reading::Inert},
    {"Empty", [] { return QString(); }, Reading::Inert},
    {"OperatorText", [] { return QStringLiteral("="); }, Reading::Inert},
    {"LoneSurrogate", [] { return QString(QChar(0xD800)); }, Reading::Inert},
};

INSTANTIATE_TEST_SUITE_P(Robustness, HostileText, ::testing::ValuesIn(textCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- a long random session ---------------------------------------------------------------

TEST(Robustness, RandomSessionKeepsTapeConsistent)
{
    TapeModel tape(DefaultSettings, french());
    fillTape(tape);
    tape.setFocus(CellId::Nombre(0));

    const std::u16string_view keys = u"0123456789012345.,+-*/=\r\r\b\bx \x1b\x16";
    std::mt19937 random(20240611);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };

    for (int step = 0; step < 6000; ++step) {
        const long passes = tape.recalcStats().passes;
        const int action = pick(100);
        const CellId focus = *tape.focusedCell();
        if (action < 82) {
            tape.typeKey(focus, keys[pick(int(keys.size()))]);
        } else if (action < 90) {
            tape.focusIn(
                CellId{pick(4) == 0 ? CellKind::Op : CellKind::Nombre, pick(TapeRowCount)});
        } else if (action < 94) {
            tape.userScroll(pick(TapeRowCount + 5) - 2);
        } else if (action < 97) {
            tape.userScrollProxy(pick(TapeRowCount + 5) - 2);
        } else {
            const int size = int(tape.cell(focus).text.size());
            tape.editField(focus, tape.cell(focus).text, pick(size + 1), pick(size + 1));
        }
        ASSERT_TRUE(consistent(tape)) << "step " << step << " action " << action;
        // Every change recalculates; only the shift leaves that to the next change.
        if (tape.recalcStats().passes != passes) {
            ASSERT_TRUE(matchesFullPass(tape)) << "step " << step << " action " << action;
        }
    }
    tape.Recalculate(false);
    EXPECT_TRUE(matchesFullPass(tape));
}

} // namespace
