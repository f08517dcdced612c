// Hostile files: each leaves the program running, the tape as it was, and tells the
// user why.

#include "divers/files.h"
#include "files/tapetext.h"
#include "windowfixture.h"

#include <QDir>

namespace talco::testing {
namespace {

class HostileFiles : public WindowTest {
protected:
    // The tape's texts, to compare before and after.
    QString tapeText() const { return GetTapeText(window->tape()); }

    void expectToldOnce(const char* part)
    {
        ASSERT_EQ(told.size(), 1) << told.join(u'\n').toStdString();
        EXPECT_TRUE(told.front().contains(QString::fromUtf8(part))) << told.front().toStdString();
    }
};

struct BadTape {
    const char* name;
    QByteArray (*bytes)();
    const char* reason;
};

QByteArray binaryBytes()
{
    QByteArray b;
    for (int i = 0; i < 4096; ++i)
        b += char(i * 7 + 3);
    return b;
}

QByteArray tabsWithNul()
{
    return QByteArray("0\t+\t12\r\n1\t\t3\0\r\n", 15);
}

QByteArray millionCharacterLines()
{
    QByteArray line = "0\t+\t" + QByteArray(1000000, '7') + "\r\n";
    return line + line;
}

class BadTapeFiles : public HostileFiles, public ::testing::WithParamInterface<BadTape> {};

// A file named on the command line goes through the same reading as Open.
TEST_P(BadTapeFiles, AreRefusedAndTheTapeStays)
{
    const BadTape& bad = GetParam();
    writeFile(QStringLiteral("bad.kvt"), bad.bytes());
    start("fr_FR", path(QStringLiteral("bad.kvt")));
    expectToldOnce(bad.reason);
    // The sample tape of a first start is still there, untouched.
    EXPECT_EQ(window->tape().Nombre(3).text, QStringLiteral("15\u00A0909,03"));
    EXPECT_TRUE(window->tape().Op(4).text.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Files, BadTapeFiles,
                         ::testing::Values(BadTape{"Binary", binaryBytes, "binaires"},
                                           BadTape{"NulBytes", tabsWithNul, "binaires"},
                                           BadTape{"MillionCharacterLines", millionCharacterLines,
                                                   "volumineux"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileFiles, OneGibibyteFileIsRefusedWithoutReadingIt)
{
    // Sparse: the size is there, the disk blocks are not.
    QFile big(path(QStringLiteral("big.kvt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(qint64(1) << 30));
    big.close();
    start("fr_FR", path(QStringLiteral("big.kvt")));
    expectToldOnce("volumineux");
    EXPECT_EQ(window->tape().Nombre(3).text, QStringLiteral("15\u00A0909,03"));
}

TEST_F(HostileFiles, ParamsThatIsAFolderLeavesTheDefaults)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("params.txt")));
    start("fr_FR");
    expectToldOnce("params.txt");
    EXPECT_EQ(window->settings().G_2Chiffres, QStringLiteral("1"));
    EXPECT_EQ(window->settings().G_Milliers, QStringLiteral("1"));
    EXPECT_EQ(window->tape().Nombre(3).text, QStringLiteral("15\u00A0909,03"));
}

// An autosave that cannot be read is never written over: the session's tape goes
// beside it, and the old tape is still there for the user.
TEST_F(HostileFiles, UnreadableAutosaveIsNeverWrittenOver)
{
    const QByteArray unreadable = binaryBytes();
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
    const QString before = tapeText();
    // A folder where the file should be makes every write fail, as a full disk would.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ecran.txt")));

    answer = false;
    window->close();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.front().contains(QStringLiteral("ecran.txt")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tapeText(), before);

    answer = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
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
