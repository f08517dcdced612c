// Tape texts as a file brings them: the first byte chooses the regional settings, the
// display options and whether the handlers run; the rest is the file's bytes. Loading
// never breaks the tape, the recalculated tape saves and reopens as the same text, and
// a second recalculation of it changes nothing.

#include "fuzzcheck.h"

#include "divers/ansi.h"
#include "files/tapetext.h"
#include "tape/tapemodel.h"

#include <QByteArrayView>
#include <QLocale>
#include <QStringList>

#include <cstdint>
#include <optional>

using namespace talco;

namespace {

const QLocale& french()
{
    static const QLocale l(QStringLiteral("fr_FR"));
    return l;
}

const QLocale& english()
{
    static const QLocale l(QStringLiteral("en_US"));
    return l;
}

struct Choice {
    const QLocale* locale;
    Settings settings;
    bool busyLoading;
};

Choice choose(std::uint8_t control)
{
    const QString values[] = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("x")};
    const int options = (control >> 2 & 0x1F) % 27;
    Choice c{(control & 1) ? &english() : &french(), Settings{}, (control & 2) != 0};
    c.settings.G_2Chiffres = values[options % 3];
    c.settings.G_3Chiffres = values[options / 3 % 3];
    c.settings.G_Milliers = values[options / 9];
    return c;
}

// The rows, the carets and the scroll position stay in their ranges.
void checkTape(const TapeModel& tape, const QString& input)
{
    for (int i = 0; i < TapeRowCount; ++i) {
        for (const CellId id : {CellId::Op(i), CellId::Nombre(i)}) {
            const Cell& c = tape.cell(id);
            const int size = int(c.text.size());
            FUZZ_CHECK(c.caret >= 0 && c.selLength >= 0 && c.caret + c.selLength <= size, "input",
                       input, "cell", c.text, "row/caret/sel",
                       QStringLiteral("%1/%2/%3").arg(i).arg(c.caret).arg(c.selLength));
        }
    }
    FUZZ_CHECK(tape.scrollValue() >= 0 && tape.scrollValue() <= tape.scrollMax(), "input", input);
    FUZZ_CHECK(tape.ProxyRow() >= 1 && tape.ProxyRow() <= LastRow, "input", input);
}

// One line per row, in order, each the row's number and its two texts; after row 99 only
// the program's own records: the separators, and notes with their line breaks escaped.
void checkText(const TapeModel& tape, const QString& text)
{
    QString expected;
    for (int i = 0; i < TapeRowCount; ++i)
        expected += QString::number(i) + u'\t' + tape.Op(i).text + u'\t' + tape.Nombre(i).text +
                    QStringLiteral("\r\n");
    FUZZ_CHECK(text.startsWith(expected), "text", text, "expected", expected);
    const QStringList records =
        text.mid(expected.size()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    FUZZ_CHECK(!records.isEmpty() && records[0].startsWith(u"separators\t"), "text", text);
    for (const QString& record : records.mid(1))
        FUZZ_CHECK(record.startsWith(u"note\t"), "record", record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Choice choice = choose(data[0]);
    const QString input = fromAnsi(QByteArrayView(data + 1, qsizetype(size - 1)));

    TapeModel tape(choice.settings, *choice.locale);
    const int last = LoadTapeText(tape, input, choice.busyLoading);
    FUZZ_CHECK(last >= 0 && last <= LastRow, "input", input);
    checkTape(tape, input);

    tape.Recalculate(true);
    checkTape(tape, input);
    const QString saved = GetTapeText(tape);
    checkText(tape, saved);

    // Saved to a file and opened again, without the handlers, as start-up reads it.
    const QString reread = fromAnsi(toAnsi(saved));
    FUZZ_CHECK(reread == saved, "input", input, "saved", saved, "reread", reread);
    TapeModel reopened(choice.settings, *choice.locale);
    int lastAgain = 0;
    {
        TapeModel::Handler scope(reopened);
        lastAgain = LoadTapeText(reopened, reread, true);
        FocusAfterLastRow(reopened, lastAgain);
    }
    const QString savedAgain = GetTapeText(reopened);
    FUZZ_CHECK(savedAgain == saved, "input", input, "saved", saved, "saved again", savedAgain);
    // Recalculation fills number cells and never empties one.
    FUZZ_CHECK(lastAgain >= last, "input", input, "saved", saved);
    checkTape(reopened, input);
    const std::optional<CellId> focus = reopened.focusedCell();
    FUZZ_CHECK(focus && focus->kind == CellKind::Nombre && focus->row <= LastRow - 1 &&
                   reopened.Nombre(focus->row).visible,
               "input", input, "saved", saved);

    // Every figure already has its display form: a second reformatting pass settles
    // on the same tape as a third.
    reopened.Recalculate(true);
    const QString settled = GetTapeText(reopened);
    TapeModel third(choice.settings, *choice.locale);
    LoadTapeText(third, settled, true);
    third.Recalculate(true);
    FUZZ_CHECK(GetTapeText(third) == settled, "input", input, "settled", settled, "third",
               GetTapeText(third));
    return 0;
}
