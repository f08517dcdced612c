// Printing the ticket through the hidden page, on Qt's offscreen platform: to a PDF
// file read back with pdftotext, and the two messages of PrintTicket.

#include "files/ansi.h"
#include "files/printing.h"
#include "files/ticket.h"
#include "files/ticketbrowser.h"
#include "support/qstringprint.h"
#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextDocument>

#include <ostream>

using namespace talco;

namespace {

class Print : public ::testing::Test {
protected:
    QTemporaryDir folder;
    TicketBrowser browser{nullptr, PrintSupport{PrinterStatus, PrintDocument}};
    QStringList messages;

    QString path(const QString& name) const { return folder.filePath(name); }

    // Writes the ticket of a French tape holding these texts as they stand.
    QString writeTicket(const QList<std::pair<QString, QString>>& rows)
    {
        Settings settings;
        TapeModel tape(settings, QLocale(QStringLiteral("fr_FR")));
        tape.entry().Busy = true;
        for (int i = 0; i < rows.size(); ++i) {
            tape.setText(CellId::Op(i), rows[i].first);
            tape.setText(CellId::Nombre(i), rows[i].second);
        }
        const QString file = path(QStringLiteral("ticket.htm"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(toAnsi(BuildTicket(tape)));
        return file;
    }

    // Loads a page; the completion comes from the event loop, never inside the call.
    void navigate(const QString& file)
    {
        QSignalSpy complete(&browser, &TicketBrowser::NavigateComplete2);
        browser.Navigate2(file);
        EXPECT_EQ(complete.count(), 0) << "completed inside Navigate2";
        ASSERT_TRUE(complete.wait(5000));
        QCoreApplication::processEvents();
        EXPECT_EQ(complete.count(), 1);
    }

    void printTicket()
    {
        PrintTicket(browser, false, nullptr, [this](const QString& m) { messages << m; });
    }
};

TEST_F(Print, PdfShowsTheFiguresAndResultInOrder)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is missing (script/bootstrap installs poppler-utils)";
    ASSERT_TRUE(folder.isValid());
    navigate(writeTicket({{QString(), QStringLiteral("13896,78")},
                          {QStringLiteral("+"), QStringLiteral("756")},
                          {QStringLiteral("+"), QStringLiteral("1256,25")},
                          {QStringLiteral("="), QStringLiteral("15909,03")},
                          {QString(), QString()},
                          {QStringLiteral("+"), QStringLiteral("<i>x&y")}}));

    const QString pdf = path(QStringLiteral("ticket.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    PrintDocumentTo(browser.document(), printer);

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    ASSERT_EQ(text.exitCode(), 0) << text.readAllStandardError().constData();
    QString page = QString::fromUtf8(text.readAllStandardOutput());
    page.replace(QChar(0xA0), u' ');

    // Each expected line, in the tape's order, operator and number on one line.
    const QStringList lines = page.split(u'\n');
    const char* const wanted[] = {"13 896,78",    "\\+ +756,00",        "\\+ +1 256,25",
                                  "= +15 909,03", "\\.\\.\\.\\.\\.\\.", "\\+ +<i>x&y"};
    qsizetype at = 0;
    for (const char* pattern : wanted) {
        const QRegularExpression re(QStringLiteral("^ *%1 *$").arg(QString::fromLatin1(pattern)));
        while (at < lines.size() && !re.match(lines[at]).hasMatch())
            ++at;
        EXPECT_LT(at++, lines.size()) << "no line " << pattern << " in this order in:\n"
                                      << page.toStdString();
    }
}

TEST_F(Print, UnreadablePageStopsWithItsReason)
{
    ASSERT_TRUE(folder.isValid());
    // A page loaded before must not stand in for the missing one.
    navigate(writeTicket({{QString(), QStringLiteral("1")}}));
    navigate(path(QStringLiteral("missing.htm")));
    printTicket();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"Erreur Impression : ")) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), QStringLiteral("Erreur Impression : ").size());
    EXPECT_TRUE(browser.document().isEmpty());
}

TEST_F(Print, NoPrinterSaysSo)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    ASSERT_TRUE(folder.isValid());
    navigate(path(QStringLiteral("missing.htm")));
    // A page that loads after a failed one is printable again.
    navigate(writeTicket({{QString(), QStringLiteral("12abc")}}));
    printTicket();
    EXPECT_EQ(messages, QStringList{QStringLiteral("L'imprimante n'est pas disponible !!")});
}

} // namespace
