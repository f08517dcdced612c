#include "files/ticket.h"
#include "support/qstringprint.h"

#include "divers/ansi.h"
#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

using talco::testsupport::PrintTo;

const QString Head = QStringLiteral("<table border=0>\r\n");
const QString Tail = QStringLiteral("</table>");
const QString Sep = QStringLiteral("<tr><td></td><td><font face='Courier' size=2 "
                                   "color='#000000'>......</font></td></tr>\r\n");

// A row line built from its parts, for the cases about the order of lines.
QString line(QStringView op, QStringView number)
{
    const bool result = op == u"=";
    const auto cell = [result](QStringView text) {
        return u"<font face='Courier' size=2 color='%1'>%2%3%4</font></td>"_s.arg(
            result ? u"#800000"_s : u"#000000"_s, result ? u"<b>"_s : QString(), text,
            result ? u"</b>"_s : QString());
    };
    const QString opCell = op.isEmpty() ? u"<td></td>"_s : u"<td>"_s + cell(op);
    return u"<tr>"_s + opCell + u"<td align=right>"_s + cell(number) + u"</tr>\r\n"_s;
}

struct Cells {
    int row;
    const char16_t* op;
    const char16_t* nombre;
};

struct TicketTape {
    Settings settings;
    TapeModel tape{settings, QLocale(QStringLiteral("fr_FR"))};

    // The texts exactly as given: no recalculation rewrites them.
    void fill(const std::vector<Cells>& cells)
    {
        std::vector<TapeModel::RowTexts> rows;
        for (const Cells& c : cells)
            rows.push_back({c.row, QString::fromUtf16(c.op), QString::fromUtf16(c.nombre), {}});
        tape.loadRows(rows, true);
    }
};

struct LayoutCase {
    const char* name;
    std::vector<Cells> cells;
    QString body; // between the table line and "</table>"
};

class TicketLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TicketLayout, ByteForByte)
{
    TicketTape t;
    t.fill(GetParam().cells);
    EXPECT_EQ(BuildTicket(t.tape), Head + GetParam().body + Tail);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TicketLayout,
    ::testing::Values(
        LayoutCase{"EmptyTapeIsThreeLines", {}, Sep},
        // Each run of empty rows, leading or inner, is one separator.
        LayoutCase{"OneSeparatorPerRun",
                   {{3, u"+", u"756"}, {99, u"=", u"15909,03"}},
                   Sep + line(u"+", u"756,00") + Sep + line(u"=", u"15\u00A0909,03")},
        // Written out once in full, so that line() is checked too.
        LayoutCase{"OperatorOrNumberAlone",
                   {{0, u"-", u""}, {1, u"=", u""}, {2, u"", u"7"}},
                   QStringLiteral("<tr><td><font face='Courier' size=2 color='#000000'>-</font>"
                                  "</td><td align=right><font face='Courier' size=2 "
                                  "color='#000000'></font></td></tr>\r\n"
                                  "<tr><td><font face='Courier' size=2 color='#800000'><b>=</b>"
                                  "</font></td><td align=right><font face='Courier' size=2 "
                                  "color='#800000'><b></b></font></td></tr>\r\n"
                                  "<tr><td></td><td align=right><font face='Courier' size=2 "
                                  "color='#000000'>7,00</font></td></tr>\r\n") +
                       Sep},
        // Only "=" makes a result row; other texts are copied, not judged.
        LayoutCase{"OtherTextsPrintedAsTheyStand",
                   {{0, u" = ", u"2"}, {1, u"+", u"12abc"}, {2, u"+", u"1,2,3"}},
                   line(u" = ", u"2,00") + line(u"+", u"12abc") + line(u"+", u"1,2,3") + Sep},
        LayoutCase{"EveryTextEscaped",
                   {{0, u"<b>&", u"\"x\" 'y' <i>"}, {1, u"'", u""}},
                   line(u"&lt;b&gt;&amp;", u"&quot;x&quot; &#39;y&#39; &lt;i&gt;") +
                       line(u"&#39;", u"") + Sep}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Ticket, NumberFollowsCurrentSettingsNotCellText)
{
    TicketTape t;
    // A figure keeps its extra decimals; a result is rounded.
    t.fill({{0, u"", u"1234,56789"}, {1, u"=", u"0,0004"}});
    EXPECT_EQ(BuildTicket(t.tape),
              Head + line(u"", u"1\u00A0234,56789") + line(u"=", u"0,00") + Sep + Tail);

    t.settings.G_2Chiffres = QStringLiteral("0");
    t.settings.G_3Chiffres = QStringLiteral("1");
    t.settings.G_Milliers = QStringLiteral("0");
    t.tape.setSettings(t.settings);
    EXPECT_EQ(BuildTicket(t.tape),
              Head + line(u"", u"1234,56789") + line(u"=", u"0,000") + Sep + Tail);
    // The cells themselves are left as they were.
    EXPECT_EQ(t.tape.Nombre(0).text, QStringLiteral("1234,56789"));
}

} // namespace

namespace {

// Notes take a column of their own, escaped like every ticket text, so that the
// figures stay in one column; a row with only a note is printed too.
TEST(Ticket, NotesGoInTheirOwnColumnEscaped)
{
    TicketTape t;
    t.fill({{0, u"", u"5"}, {1, u"+", u"7"}});
    t.tape.setNote(0, u"<b>&'\"\tx\ny"_s);
    t.tape.setNote(3, u"alone"_s);
    const QString note = u"<td><font face='Courier' size=1 color='#606060'><i>"_s;
    const QString html = BuildTicket(t.tape);
    EXPECT_TRUE(html.contains(u"<tr><td></td>"_s + note +
                              u"&lt;b&gt;&amp;&#39;&quot; x y</i></font></td><td align=right>"_s))
        << html.toStdString();
    EXPECT_TRUE(html.contains(
        u"<td>"_s +
        u"<font face='Courier' size=2 color='#000000'>+</font></td><td></td><td align=right>"_s))
        << "a row without a note keeps its figure in the third column";
    EXPECT_TRUE(html.contains(note + u"alone</i>"_s));
    EXPECT_TRUE(html.contains(
        u"<tr><td></td><td></td><td><font face='Courier' size=2 color='#000000'>......"_s));
}

} // namespace
