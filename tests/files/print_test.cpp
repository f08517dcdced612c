// Printing the ticket through the hidden page, on Qt's offscreen platform: to a PDF
// file read back with pdftotext, and the message of a page that cannot be read.

#include "divers/ansi.h"
#include "files/printing.h"
#include "files/ticket.h"
#include "files/ticketbrowser.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace talco;

namespace {

using namespace Qt::StringLiterals;

class Print : public ::testing::Test {
protected:
    QTemporaryDir folder;
    TicketBrowser browser{nullptr, PrintSupport{PrinterStatus, PrintDocument}};

    // Writes a page, unless bytes is null, and loads it: the load completes in the event loop.
    void load(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(bytes.isNull() ||
                    (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
        file.close();
        QSignalSpy complete(&browser, &TicketBrowser::NavigateComplete2);
        browser.Navigate2(file.fileName());
        ASSERT_TRUE(complete.wait(5000));
    }
};

TEST_F(Print, PdfShowsTheFiguresAndResultInOrder)
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is missing (script/bootstrap installs poppler-utils)";
    TapeModel tape(tapetest::DefaultSettings, tapetest::french());
    tape.focusIn(CellId::Nombre(0));
    tapetest::typeKeys(tape, u"13896,78+756+1256,25=");
    load(u"ticket.htm"_s, toAnsi(BuildTicket(tape)));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(u"ticket.pdf"_s));
    PrintDocumentTo(browser.document(), printer);
    QProcess text;
    text.start(pdftotext, {u"-layout"_s, printer.outputFileName(), u"-"_s});
    ASSERT_TRUE(text.waitForFinished(20000));
    ASSERT_EQ(text.exitCode(), 0) << text.readAllStandardError().constData();
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).replace(QChar(0xA0), u' ');

    // Every row in the tape's order, then the first empty row as the dotted separator.
    EXPECT_TRUE(page.simplified().contains(u"13 896,78 + 756,00 + 1 256,25 = 15 909,03 ......"_s))
        << page.toStdString();
}

TEST_F(Print, UnreadablePageStopsWithItsReason)
{
    // A page loaded before must not stand in for the missing one.
    load(u"ticket.htm"_s, "<p>1</p>");
    load(u"missing.htm"_s, QByteArray());
    QStringList messages;
    PrintTicket(browser, false, nullptr, [&](const QString& m) { messages << m; });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"Erreur Impression : ")) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), u"Erreur Impression : "_s.size());
    EXPECT_TRUE(browser.document().isEmpty());
}

} // namespace
