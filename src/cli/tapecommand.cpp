#include "cli/tapecommand.h"

#include "divers/ansi.h"
#include "divers/files.h"
#include "files/csv.h"
#include "files/starttape.h"
#include "files/tapefile.h"
#include "files/tapetext.h"
#include "files/ticket.h"
#include "keypad/keypad.h"
#include "settings/params.h"
#include "tape/clipboard.h"
#include "tape/tapemodel.h"

#include <QFile>

#include <optional>

namespace talco {

namespace {

const char Usage[] =
    "usage: talco-tape [OPTION]...\n"
    "Drives the tape engine from an empty tape with the focus in the first number cell,\n"
    "applying the options in the order given, then writes the tape text to standard output.\n"
    "\n"
    "  --locale NAME   regional settings, for example fr_FR or en_US (default: the system's)\n"
    "  --params FILE   settings read from FILE as at start-up, which must set LANGUE,\n"
    "                  2CHIFFRES, 3CHIFFRES or MILLIERS (default: the defaults)\n"
    "  --visible N     number of visible rows (default 14)\n"
    "  --start FILE    fills the tape as the program starts, with FILE as its autosave\n"
    "                  (the sample tape when FILE does not exist)\n"
    "  --open FILE     applies a tape file as the Open button does\n"
    "  --focus N       gives the focus to the number cell of row N, as a click would\n"
    "  --keys TEXT     types each character of TEXT into the focused cell;\n"
    "                  \\n is Enter, \\b Backspace, \\\\ a backslash\n"
    "  --press KEY     clicks a keypad key: 0 to 9, ., +, -, *, /, =, C,\n"
    "                  franc-euro or euro-franc\n"
    "  --undo          undoes the last change, as Ctrl+Z does\n"
    "  --redo          redoes the last undone change, as Ctrl+Shift+Z does\n"
    "  --note ROW TEXT writes TEXT as the note of row ROW (0 to 99)\n"
    "  --paste TEXT    pastes TEXT into the focused cell, as Ctrl+V does\n"
    "                  (in the TEXT of --note and --paste, \\n is a line break,\n"
    "                  \\t a tab and \\\\ a backslash)\n"
    "  --copy          writes to standard error \"copy: TEXT\", TEXT being what Ctrl+C\n"
    "                  copies from the focused cell with its selection\n"
    "  --ticket        writes the print ticket instead of the tape text\n"
    "  --csv           writes the tape as CSV instead of the tape text\n"
    "  --state         also writes the entry state to standard error\n"
    "  --help          shows this help, and takes no other option\n";

// Clicks the keypad key named on the command line; false for a name no key has.
bool pressKey(Keypad& keypad, const QString& name)
{
    if (name.size() == 1 && name[0].isDigit() && name[0].unicode() < 128) {
        keypad.ImgChiffre_Click(name[0].unicode() - u'0');
        return true;
    }
    static const char16_t operators[] = u"+-*/"; // ImgFct 0 to 3
    const qsizetype op = name.size() == 1 ? QStringView(operators).indexOf(name[0]) : -1;
    if (op >= 0)
        keypad.ImgFct_Click(int(op));
    else if (name == u".")
        keypad.ImgVirg_Click();
    else if (name == u"=")
        keypad.ImgEgale_Click();
    else if (name == u"C")
        keypad.ImgC_Click();
    else if (name == u"franc-euro")
        keypad.ImgMonnaie_Click(0);
    else if (name == u"euro-franc")
        keypad.ImgMonnaie_Click(1);
    else
        return false;
    return true;
}

std::optional<int> parseInt(const QString& text, int low, int high)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return std::nullopt;
    return v;
}

std::optional<QString> unescapeKeys(const QString& text)
{
    QString keys;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            keys += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case u'n':
            keys += QChar(13);
            break;
        case u'b':
            keys += QChar(8);
            break;
        case u'\\':
            keys += u'\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return keys;
}

// \n, \t and \\ in the TEXT of --note and --paste.
std::optional<QString> unescapeText(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'\\':
            out += u'\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

bool readFile(const QString& path, QString& text, QString& error)
{
    FileError why;
    if (!ReadTapeFile(path, text, &why)) {
        error = QStringLiteral("cannot open %1: %2.").arg(path, FileErrorText(why, true));
        return false;
    }
    return true;
}

// Reads the settings of a file given with --params. A file that sets nothing is a mistake
// rather than a wish for the defaults: false then, with the reason in error.
bool readSettings(const QString& path, Settings& settings, const QLocale& locale, QString& error)
{
    const auto fail = [&error, &path](const QString& why) {
        error = QStringLiteral("cannot read settings from %1: %2.").arg(path, why);
        return false;
    };
    if (const std::optional<FileError> refusal = ReadRefusal(path))
        return fail(FileErrorText(*refusal, true));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(FileErrorText({FileError::System, file.errorString()}, true));
    const QByteArray bytes = file.read(1 << 20); // as much as the program reads of params.txt
    if (bytes.contains('\0'))
        return fail(QStringLiteral("the file holds binary data, so it is not a settings file"));
    const QString text = fromAnsi(bytes);
    if (!HasSettings(text))
        return fail(QStringLiteral("it is not a settings file, as no line sets LANGUE, 2CHIFFRES, "
                                   "3CHIFFRES or MILLIERS"));
    settings = ParseParams(text, locale);
    return true;
}

QByteArray stateLine(const TapeModel& tape)
{
    const CellId focus = tape.focusedCell().value_or(CellId::Nombre(tape.entry().CurrentRow));
    const Cell& cell = tape.cell(focus);
    return QStringLiteral("state: row=%1 op=%2 focus=%3(%4) caret=%5 sel=%6 scroll=%7 visible=%8\n")
        .arg(tape.entry().CurrentRow)
        .arg(tape.entry().OpCellFocused ? 1 : 0)
        .arg(focus.kind == CellKind::Op ? QStringLiteral("Op") : QStringLiteral("Nombre"))
        .arg(focus.row)
        .arg(cell.caret)
        .arg(cell.selLength)
        .arg(tape.scrollValue())
        .arg(tape.VisibleRows())
        .toUtf8();
}

} // namespace

CommandOutput runTapeCommand(const QStringList& args)
{
    CommandOutput result;
    auto fail = [&result](const QString& message, int code) {
        result.out.clear();
        result.err += "talco-tape: " + message.toUtf8() + '\n';
        result.exitCode = code;
        return result;
    };

    Settings settings;
    QLocale locale = QLocale::system();
    GetParams(QString(), settings, locale); // the defaults, with the system's language
    TapeModel tape(settings, locale);
    Keypad keypad(tape);
    tape.setFocus(CellId::Nombre(0));
    bool wantState = false;
    bool wantTicket = false;
    bool wantCsv = false;

    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == u"--help" || option == u"-h") {
            if (args.size() > 1)
                return fail(QStringLiteral("%1 takes no other arguments.").arg(option), 2);
            result.out = Usage;
            return result;
        }
        if (option == u"--state") {
            wantState = true;
            continue;
        }
        if (option == u"--ticket") {
            wantTicket = true;
            continue;
        }
        if (option == u"--csv") {
            wantCsv = true;
            continue;
        }
        if (option == u"--copy") {
            const CellId focus = tape.focusedCell().value_or(CellId::Nombre(0));
            result.err += "copy: " + CopyText(tape, focus).toUtf8() + '\n';
            continue;
        }
        if (option == u"--note") {
            if (i + 2 >= args.size())
                return fail(
                    QStringLiteral("--note needs a row and a text; talco-tape --help tells which."),
                    2);
            const std::optional<int> row = parseInt(args[i + 1], 0, LastRow);
            const std::optional<QString> text = unescapeText(args[i + 2]);
            if (!row)
                return fail(
                    QStringLiteral("--note wants a row from 0 to 99, not '%1'.").arg(args[i + 1]),
                    2);
            if (!text)
                return fail(
                    QStringLiteral(
                        "in --note, only n, t or another backslash may follow a backslash."),
                    2);
            tape.editNote(*row, *text);
            i += 2;
            continue;
        }
        if (option == u"--undo" || option == u"--redo") {
            // Nothing to undo is no error, as the key does nothing then either.
            if (option == u"--undo")
                tape.undo();
            else
                tape.redo();
            continue;
        }
        if (!option.startsWith(u"--"))
            return fail(
                QStringLiteral("'%1' is not an option; talco-tape --help lists them.").arg(option),
                2);
        static const QStringList withValue{
            QStringLiteral("--locale"), QStringLiteral("--params"), QStringLiteral("--visible"),
            QStringLiteral("--open"),   QStringLiteral("--focus"),  QStringLiteral("--keys"),
            QStringLiteral("--press"),  QStringLiteral("--paste"),  QStringLiteral("--start")};
        if (!withValue.contains(option))
            return fail(QStringLiteral("there is no option '%1'; talco-tape --help lists them.")
                            .arg(option),
                        2);
        if (i + 1 >= args.size())
            return fail(
                QStringLiteral("%1 needs a value; talco-tape --help tells which.").arg(option), 2);
        const QString& value = args[++i];

        if (option == u"--locale") {
            const QLocale named(value);
            if (named.name() == u"C" && value != u"C" && value != u"POSIX")
                return fail(
                    QStringLiteral("there are no regional settings called '%1'.").arg(value), 2);
            locale = named;
            tape.setLocale(locale);
        } else if (option == u"--params") {
            QString error;
            if (!readSettings(value, settings, locale, error))
                return fail(error, 1);
            tape.setSettings(settings);
        } else if (option == u"--visible") {
            const std::optional<int> rows = parseInt(value, 1, TapeRowCount);
            if (!rows)
                return fail(
                    QStringLiteral("--visible wants a number of rows from 1 to 100, not '%1'.")
                        .arg(value),
                    2);
            tape.setVisibleRows(*rows);
        } else if (option == u"--start") {
            // As the program starts, with FILE as its autosave: the sample when FILE does
            // not exist.
            const StartTape start = LoadStartTape(tape, value, QString());
            if (start.autosaveUnreadable)
                return fail(QStringLiteral("cannot open %1: %2.")
                                .arg(value, FileErrorText(start.autosaveError, true)),
                            1);
        } else if (option == u"--open") {
            QString text;
            QString error;
            if (!readFile(value, text, error))
                return fail(error, 1);
            OpenTapeText(tape, text);
        } else if (option == u"--focus") {
            const std::optional<int> row = parseInt(value, 0, LastRow);
            if (!row)
                return fail(
                    QStringLiteral("--focus wants a row from 0 to 99, not '%1'.").arg(value), 2);
            tape.focusIn(CellId::Nombre(*row));
            tape.click(CellId::Nombre(*row));
        } else if (option == u"--keys") {
            const std::optional<QString> keys = unescapeKeys(value);
            if (!keys)
                return fail(QStringLiteral("in --keys, only n, b or another backslash may follow "
                                           "a backslash."),
                            2);
            for (QChar key : *keys)
                tape.typeKey(tape.focusedCell().value_or(CellId::Nombre(0)), key.unicode());
        } else if (option == u"--paste") {
            const std::optional<QString> text = unescapeText(value);
            if (!text)
                return fail(
                    QStringLiteral(
                        "in --paste, only n, t or another backslash may follow a backslash."),
                    2);
            const PasteOutcome pasted =
                Paste(tape, tape.focusedCell().value_or(CellId::Nombre(0)), *text);
            if (pasted.skipped == 1)
                result.err += "paste: 1 line without a number was skipped.\n";
            else if (pasted.skipped > 1)
                result.err += QStringLiteral("paste: %1 lines without a number were skipped.\n")
                                  .arg(pasted.skipped)
                                  .toUtf8();
        } else if (option == u"--press") {
            if (!pressKey(keypad, value))
                return fail(
                    QStringLiteral("no keypad key is called '%1'; talco-tape --help lists them.")
                        .arg(value),
                    2);
        }
    }

    if (wantCsv)
        result.out = TapeCsv(tape);
    else
        result.out = toAnsi(wantTicket ? BuildTicket(tape) : GetTapeText(tape));
    if (wantState)
        result.err += stateLine(tape);
    return result;
}

} // namespace talco
