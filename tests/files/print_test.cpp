// Printing the ticket through the hidden page, on Qt's offscreen platform: the message
// of a page that cannot be read. The end-to-end test prints a whole ticket to PDF.

#include "files/printing.h"
#include "files/ticketbrowser.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
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
