// Hostile files: each leaves the program running, the tape as it was, and tells the
// user why.

#include "divers/files.h"
#include "files/tapetext.h"
#include "windowfixture.h"

#include <QDir>
#include <QTimer>

namespace talco::testing {
namespace {

class HostileFiles : public WindowTest {
protected:
    // terminate() keeps every later event loop from running, dialogs' included, until the
    // main loop runs again: a short run of it leaves the next tests as they would start.
    void TearDown() override
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    void expectToldOnce(const char* part)
    {
        ASSERT_EQ(told.size(), 1) << told.join(u'\n').toStdString();
        EXPECT_TRUE(told.front().contains(QString::fromUtf8(part))) << told.front().toStdString();
    }

    // A file named on the command line goes through the same reading as Open: refused,
    // it leaves the sample tape of a first start untouched.
    void startWithRefusedTape(const char* reason)
    {
        start("fr_FR", path(QStringLiteral("bad.kvt")));
        expectToldOnce(reason);
        EXPECT_EQ(window->tape().Nombre(3).text, QStringLiteral("15\u00A0909,03"));
        EXPECT_TRUE(window->tape().Op(4).text.isEmpty());
    }
};

TEST_F(HostileFiles, TapeWithANulByteIsRefused)
{
    writeFile(QStringLiteral("bad.kvt"), QByteArray("0\t+\t12\r\n1\t\t3\0\r\n", 15));
    startWithRefusedTape("binaires");
}

TEST_F(HostileFiles, OneGibibyteTapeIsRefusedWithoutReadingIt)
{
    // Sparse: the size is there, the disk blocks are not.
    QFile big(path(QStringLiteral("bad.kvt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(qint64(1) << 30));
    big.close();
    startWithRefusedTape("volumineux");
}

TEST_F(HostileFiles, ParamsThatIsAFolderLeavesTheDefaults)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("params.txt")));
    start("fr_FR");
    expectToldOnce("params.txt");
    // Two decimals and the group separator, as by default.
    EXPECT_EQ(window->tape().Nombre(3).text, QStringLiteral("15\u00A0909,03"));
}

// An autosave that cannot be read is never written over: the session's tape goes
// beside it, and the old tape is still there for the user.
TEST_F(HostileFiles, UnreadableAutosaveIsNeverWrittenOver)
{
    const QByteArray unreadable("0\t\t12\0\r\n", 8);
    writeFile(QStringLiteral("ecran.txt"), unreadable);
    start("fr_FR");
    ASSERT_EQ(told.size(), 2) << told.join(u'\n').toStdString(); // why, and where it goes
    EXPECT_TRUE(told[1].contains(QStringLiteral("ecran-nouveau.txt")));
    QTest::keyClicks(window->focusWidget(), QStringLiteral("42"));
    window->close();
    EXPECT_EQ(readFile(QStringLiteral("ecran.txt")), unreadable);
    EXPECT_TRUE(readFile(QStringLiteral("ecran-nouveau.txt")).contains("\t42\r\n"));
}

// A disk that refuses the autosave at exit: the user is asked, and may stay to save
// the tape elsewhere.
TEST_F(HostileFiles, FailedAutosaveAtExitAsksAndCanStay)
{
    start("fr_FR");
    QTest::keyClicks(window->focusWidget(), QStringLiteral("7"));
    const QString before = GetTapeText(window->tape());
    // A folder where the file should be makes every write fail, as a full disk would.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ecran.txt")));

    answer = false;
    window->close();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.front().contains(QStringLiteral("ecran.txt")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(GetTapeText(window->tape()), before);

    answer = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
}

// A signal while a message box waits at start-up saves the tape once it is in place,
// and never before: the last tape is still in the file until then.
TEST_F(HostileFiles, SignalDuringAStartMessageSavesOnlyALoadedTape)
{
    whenTold = [this](const QString&) { window->terminate(); };
    writeFile(QStringLiteral("ecran.txt"), tapeFile({"\t5"}, true));
    writeFile(QStringLiteral("bad.kvt"), QByteArray("0\t\t1\0", 6));
    start("fr_FR", path(QStringLiteral("bad.kvt")));
    EXPECT_TRUE(window->terminated());
    EXPECT_EQ(readFile(QStringLiteral("ecran.txt")), tapeFile({"\t5,00"}, true));

    const QByteArray last = tapeFile({"\t8"}, true);
    writeFile(QStringLiteral("ecran.txt"), last);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("params.txt"))); // told before the tape
    start("fr_FR");
    EXPECT_TRUE(window->terminated());
    EXPECT_EQ(readFile(QStringLiteral("ecran.txt")), last);
}

TEST_F(HostileFiles, QuietCloseNeverAsks)
{
    start("fr_FR");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ecran.txt")));
    window->closeQuietly();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace talco::testing
