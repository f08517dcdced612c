// Where the program keeps its files, and how they are written.

#include "divers/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace talco {
namespace {

// A portable copy keeps its files beside itself; an installed one (its data in
// ../share/talco) writes to the user's folder even where it could write beside itself,
// as root can in /usr/bin.
TEST(DataFolder, BesideAPortableCopyInTheUsersFolderForAnInstalledOne)
{
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    EXPECT_EQ(DataFolderFor(bin), bin);
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/talco")));
    const QString folder = DataFolderFor(bin);
    EXPECT_EQ(folder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(WriteTextFile, WritesExactBytesAndReportsFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(WriteTextFile(path, QStringLiteral("é€\r\n")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xE9\x80\r\n"));

    // A folder in the way: nothing written, the reason told.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("b.txt")));
    QString error;
    EXPECT_FALSE(WriteTextFile(dir.filePath(QStringLiteral("b.txt")), QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(WriteFailure, NamesWhatIsInTheWay)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    EXPECT_EQ(WriteFailure(dir.filePath(QStringLiteral("sub")), QString()).reason,
              FileError::Folder);
    EXPECT_EQ(WriteFailure(dir.filePath(QStringLiteral("gone/a.kvt")), QString()).reason,
              FileError::NoFolder);
    // Anything else is told in the system's words.
    const FileError other =
        WriteFailure(dir.filePath(QStringLiteral("a.kvt")), QStringLiteral("Disk full"));
    EXPECT_EQ(other.reason, FileError::System);
    EXPECT_EQ(FileErrorText(other, true), QStringLiteral("the system said \u201CDisk full\u201D"));
}

} // namespace
} // namespace talco
