// Printing the ticket through the hidden page, on Qt's offscreen platform: to a PDF
// file read back with pdftotext, and the two messages of PrintTicket.

#include "files/ansi.h"
#include "files/printing.h"
#include "files/ticket.h"
#include "files/ticketbrowser.h"
#include "support/qstringprint.h"
#include "tape/tapemodel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
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
    QStringList messages;

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const QString& name) const { return folder.filePath(name); }

    // Writes the ticket of a French tape holding these texts as they stand.
    QString writeTicket(std::initializer_list<std::pair<const char16_t*, const char16_t*>> rows)
    {
        Settings settings;
        TapeModel tape(settings, QLocale(QStringLiteral("fr_FR")));
        tape.entry().Busy = true;
        int i = 0;
        for (const auto& [op, nombre] : rows) {
            tape.setText(CellId::Op(i), QString::fromUtf16(op));
            tape.setText(CellId::Nombre(i++), QString::fromUtf16(nombre));
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

TEST_F(Print, UnreadablePageStopsWithItsReasonUntilAPageLoads)
{
    // A page loaded before must not stand in for the missing one.
    navigate(writeTicket({{u"", u"1"}}));
    navigate(path(QStringLiteral("missing.htm")));
    printTicket();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"Erreur Impression : ")) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), QStringLiteral("Erreur Impression : ").size());
    EXPECT_TRUE(browser.document().isEmpty());

    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer: printing would open its dialog";
    navigate(writeTicket({{u"", u"12abc"}}));
    messages.clear();
    printTicket();
    EXPECT_EQ(messages, QStringList{QStringLiteral("L'imprimante n'est pas disponible !!")});
}

} // namespace
