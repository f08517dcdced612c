// Printing the ticket through the hidden page, on Qt's offscreen platform: to a PDF
// file read back with pdftotext, and the message of a page that cannot be read.

#include "divers/ansi.h"
#include "files/printing.h"
#include "files/ticket.h"
#include "files/ticketbrowser.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace talco;

namespace {

class Print : public ::testing::Test {
protected:
    QTemporaryDir folder;
    TicketBrowser browser{nullptr, PrintSupport{PrinterStatus, PrintDocument}};

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const QString& name) const { return folder.filePath(name); }

    // Writes the ticket of a French tape holding these texts as they stand.
    QString writeTicket(const std::vector<tapetest::RowText>& rows)
    {
        TapeModel tape(tapetest::DefaultSettings, tapetest::french());
        tapetest::load(tape, rows);
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
};

TEST_F(Print, PdfShowsTheFiguresAndResultInOrder)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is missing (script/bootstrap installs poppler-utils)";
    navigate(writeTicket({{u"", u"13896,78"},
                          {u"+", u"756"},
                          {u"+", u"1256,25"},
                          {u"=", u"15909,03"},
                          {u"", u""},
                          {u"+", u"<i>x&y"}}));

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

    // Every row in the tape's order, the empty row as the dotted separator.
    EXPECT_TRUE(page.simplified().contains(
        QStringLiteral("13 896,78 + 756,00 + 1 256,25 = 15 909,03 ...... + <i>x&y")))
        << page.toStdString();
}

TEST_F(Print, UnreadablePageStopsWithItsReason)
{
    // A page loaded before must not stand in for the missing one.
    navigate(writeTicket({{u"", u"1"}}));
    navigate(path(QStringLiteral("missing.htm")));
    QStringList messages;
    PrintTicket(browser, false, nullptr, [&](const QString& m) { messages << m; });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"Erreur Impression : ")) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), QStringLiteral("Erreur Impression : ").size());
    EXPECT_TRUE(browser.document().isEmpty());
}

} // namespace
