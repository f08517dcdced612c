// The shell procedures against a fake desktop: an xdg-mime script first on PATH, a
// desktop entry in a private data folder, and handler scripts that record their
// arguments.

#include "divers/shell.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

using namespace talco;

namespace {

class Shell : public ::testing::Test {
protected:
    QTemporaryDir root;
    const QByteArray savedPath = qgetenv("PATH");
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    const QByteArray savedDataDirs = qgetenv("XDG_DATA_DIRS");
    QStringList messages;
    const std::function<void(const QString&)> tell = [this](const QString& m) { messages << m; };

    QString path(const char* name) const { return root.filePath(QString::fromUtf8(name)); }

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char* sub : {"bin", "data/applications", "my browser"})
            ASSERT_TRUE(QDir(root.path()).mkpath(QString::fromLatin1(sub)));
        // Logs every question; answers text/html with the id in the file "answer".
        script(path("bin/xdg-mime"),
               "echo \"$*\" >> \"$(dirname \"$0\")/asked\"\n"
               "[ \"$*\" = 'query default text/html' ] && cat \"$(dirname \"$0\")/answer\"\n"
               "exit 0\n");
        qputenv("PATH", path("bin").toLocal8Bit() + ':' + savedPath);
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
        // The system folders stay: they hold the MIME database.
        qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
        write(path("page.htm"), "<p>x</p>");
    }

    void TearDown() override
    {
        qputenv("PATH", savedPath);
        qputenv("XDG_DATA_HOME", savedDataHome);
        qputenv("XDG_DATA_DIRS", savedDataDirs);
    }

    static void write(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void script(const QString& file, const QByteArray& body)
    {
        write(file, "#!/bin/sh\n" + body);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A program that writes its arguments, one a line, to its own path + ".args".
    static QString recorder(const QString& file)
    {
        script(file, "printf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
        return file;
    }

    // The arguments the detached program received, waited for within a bound.
    static QByteArray argsOf(const QString& program)
    {
        const QString file = program + QStringLiteral(".args");
        const QDeadlineTimer deadline(10000);
        while (!QFile::exists(file) && !deadline.hasExpired())
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return read(file);
    }

    void associate(const QByteArray& desktopId, const QByteArray& entry)
    {
        write(path("bin/answer"), desktopId + '\n');
        write(path("data/applications/") + QString::fromLatin1(desktopId), entry);
    }
};

TEST_F(Shell, NoDocumentOrNoAssociationFindsNothing)
{
    associate("browser.desktop", "[Desktop Entry]\nExec=/bin/true\n");
    EXPECT_EQ(FindProgramFor(QString()), QString());
    EXPECT_EQ(FindProgramFor(path("missing.htm")), QString());
    EXPECT_EQ(FindProgramFor(root.path()), QString()); // a folder is no document
    EXPECT_EQ(read(path("bin/asked")), QByteArray());

    associate("no-exec.desktop", "[Desktop Entry]\nName=No Exec\n");
    EXPECT_EQ(FindProgramFor(path("page.htm")), QString());
    write(path("bin/answer"), "");
    EXPECT_EQ(FindProgramFor(path("page.htm")), QString());
    OpenMakerSite(root.path(), QStringLiteral("FR"), tell);
    EXPECT_EQ(QFileInfo(path("tmp.htm")).size(), 0);
    EXPECT_EQ(messages, QStringList());
}

// Only the main group's Exec counts, and a bare name is looked for on PATH.
TEST_F(Shell, ProgramFromTheDesktopEntrysMainGroup)
{
    const QString handler = recorder(path("bin/handler"));
    associate("fake-browser.desktop",
              "[Desktop Action private]\nExec=/bin/false\n[Desktop Entry]\nExec=handler "
              "%u\n[Desktop Action new]\nExec=/bin/false\n");
    EXPECT_EQ(FindProgramFor(path("page.htm")), handler);
    EXPECT_EQ(read(path("bin/asked")), "query default text/html\n");
}

TEST_F(Shell, OpenWithProgramPassesTheDocumentWholeOrReportsAMissingProgram)
{
    const QString browser = recorder(path("my browser/web handler"));
    OpenWithProgram(browser, QStringLiteral("https://example.org/a b?x=\"1\""), tell);
    EXPECT_EQ(argsOf(browser), "https://example.org/a b?x=\"1\"\n");
    EXPECT_EQ(messages, QStringList());

    OpenWithProgram(path("my browser/gone"), QStringLiteral("x.htm"), tell);
    OpenWithProgram(path("my browser"), QStringLiteral("x.htm"), tell);
    const QString missing = QStringLiteral("Erreur: Outils inexistant: ");
    EXPECT_EQ(messages,
              (QStringList{missing + path("my browser/gone"), missing + path("my browser")}));
}

// The browser's path holds a space, quoted in its desktop entry.
TEST_F(Shell, MakerSiteInTheBrowserOfHtmFiles)
{
    const QString browser = recorder(path("my browser/web handler"));
    associate("fake-browser.desktop", "[Desktop Entry]\nExec=\"" + browser.toUtf8() + "\" %u\n");
    OpenMakerSite(root.path(), QStringLiteral("EN"), tell);
    EXPECT_EQ(argsOf(browser), "https://www.korvelsoft.com?langue=EN\n");
    EXPECT_TRUE(QFileInfo(path("tmp.htm")).isFile());
    EXPECT_EQ(QFileInfo(path("tmp.htm")).size(), 0);

    // Made once: a page already there is left as it is.
    write(path("tmp.htm"), "kept");
    QFile::remove(browser + QStringLiteral(".args"));
    OpenMakerSite(root.path(), QStringLiteral("FR"), tell);
    EXPECT_EQ(argsOf(browser), "https://www.korvelsoft.com?langue=FR\n");
    EXPECT_EQ(read(path("tmp.htm")), "kept");
    EXPECT_EQ(messages, QStringList());
}

} // namespace
