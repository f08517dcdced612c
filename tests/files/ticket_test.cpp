#include "files/ticket.h"
#include "support/qstringprint.h"

#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

using talco::testsupport::PrintTo;

// One row of the ticket. A note, even an empty one, makes the notes column; a tape
// without notes has none (nullptr).
QString line(QStringView op, QStringView number, const char16_t* note = nullptr)
{
    const bool result = op == u"=";
    const auto cell = [result](QStringView text) {
        return u"<font face='Courier' size=2 color='%1'>%2%3%4</font></td>"_s.arg(
            result ? u"#800000"_s : u"#000000"_s, result ? u"<b>"_s : QString(), text,
            result ? u"</b>"_s : QString());
    };
    QString html = u"<tr>"_s + (op.isEmpty() ? u"<td></td>"_s : u"<td>"_s + cell(op));
    if (note && *note)
        html += u"<td><font face='Courier' size=1 color='#606060'><i>"_s +
                QString::fromUtf16(note) + u"</i></font></td>"_s;
    else if (note)
        html += u"<td></td>"_s;
    return html + u"<td align=right>"_s + cell(number) + u"</tr>\r\n"_s;
}

// The dotted line that stands for a run of empty rows.
QString dots(bool notes = false)
{
    return u"<tr><td></td>"_s + (notes ? u"<td></td>"_s : QString()) +
           u"<td><font face='Courier' size=2 color='#000000'>......</font></td></tr>\r\n"_s;
}

struct Cells {
    int row;
    const char16_t* op;
    const char16_t* nombre;
    const char16_t* note = u"";
};

struct TicketCase {
    const char* name;
    std::vector<Cells> cells; // written exactly as given: no recalculation rewrites them
    QString body;             // between the table line and "</table>"
    bool threeDecimalsUngrouped = false;
};

class Ticket : public ::testing::TestWithParam<TicketCase> {};

TEST_P(Ticket, ByteForByte)
{
    const TicketCase& c = GetParam();
    Settings settings;
    settings.G_2Chiffres = c.threeDecimalsUngrouped ? u"0"_s : u"1"_s;
    settings.G_3Chiffres = c.threeDecimalsUngrouped ? u"1"_s : u"0"_s;
    settings.G_Milliers = c.threeDecimalsUngrouped ? u"0"_s : u"1"_s;
    TapeModel tape(settings, QLocale(u"fr_FR"_s));
    std::vector<TapeModel::RowTexts> rows;
    for (const Cells& r : c.cells)
        rows.push_back({r.row, QString::fromUtf16(r.op), QString::fromUtf16(r.nombre),
                        QString::fromUtf16(r.note)});
    tape.loadRows(rows, true);
    EXPECT_EQ(BuildTicket(tape), u"<table border=0>\r\n"_s + c.body + u"</table>"_s);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Ticket, ::testing::Values(
    TicketCase{"EmptyTapeIsThreeLines", {}, dots()},
    // Each run of empty rows, leading or inner, is one dotted line.
    TicketCase{"OneSeparatorPerRun", {{3, u"+", u"756"}, {99, u"=", u"15909,03"}},
               dots() + line(u"+", u"756,00") + dots() + line(u"=", u"15\u00A0909,03")},
    TicketCase{"OperatorOrNumberAlone", {{0, u"-", u""}, {1, u"=", u""}, {2, u"", u"7"}},
               line(u"-", u"") + line(u"=", u"") + line(u"", u"7,00") + dots()},
    // Only "=" makes a result row; other texts are copied, not judged.
    TicketCase{"OtherTextsPrintedAsTheyStand", {{0, u" = ", u"2"}, {1, u"+", u"12abc"}, {2, u"+", u"1,2,3"}},
               line(u" = ", u"2,00") + line(u"+", u"12abc") + line(u"+", u"1,2,3") + dots()},
    TicketCase{"EveryTextEscaped", {{0, u"<b>&", u"\"x\" 'y' <i>"}, {1, u"'", u""}},
               line(u"&lt;b&gt;&amp;", u"&quot;x&quot; &#39;y&#39; &lt;i&gt;") + line(u"&#39;", u"") + dots()},
    // Numbers follow the current settings, not the cell's text: a figure keeps its
    // extra decimals, a result is rounded.
    TicketCase{"TwoDecimalsGrouped", {{0, u"", u"1234,56789"}, {1, u"=", u"0,0004"}},
               line(u"", u"1\u00A0234,56789") + line(u"=", u"0,00") + dots()},
    TicketCase{"ThreeDecimalsUngrouped", {{0, u"", u"1234,56789"}, {1, u"=", u"0,0004"}},
               line(u"", u"1234,56789") + line(u"=", u"0,000") + dots(), true},
    // Notes take a column of their own, escaped on one line, so that the figures stay in
    // one column; a row with only a note is printed too.
    TicketCase{"NotesInTheirOwnColumn", {{0, u"", u"5", u"<b>&'\"\tx\ny"}, {1, u"+", u"7"}, {3, u"", u"", u"alone"}},
               line(u"", u"5,00", u"&lt;b&gt;&amp;&#39;&quot; x y") + line(u"+", u"7,00", u"") +
                   dots(true) + line(u"", u"", u"alone") + dots(true)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
