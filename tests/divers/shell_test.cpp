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
#include <ostream>
#include <thread>

using namespace talco;

namespace {

class Shell : public ::testing::Test {
protected:
    QTemporaryDir root;
    QByteArray savedPath = qgetenv("PATH");
    QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    QByteArray savedDataDirs = qgetenv("XDG_DATA_DIRS");
    QStringList messages;

    QString path(const QString& name) const { return root.filePath(name); }
    QString bin() const { return path(QStringLiteral("bin")); }

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir dir(root.path());
        for (const char* sub : {"bin", "data/applications", "my browser"})
            ASSERT_TRUE(dir.mkpath(QString::fromLatin1(sub)));
        // Logs every question; answers text/html with the id in the file "answer".
        script(bin() + QStringLiteral("/xdg-mime"),
               "echo \"$*\" >> \"$(dirname \"$0\")/asked\"\n"
               "[ \"$*\" = 'query default text/html' ] && cat \"$(dirname \"$0\")/answer\"\n"
               "exit 0\n");
        qputenv("PATH", bin().toLocal8Bit() + ':' + savedPath);
        qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit());
        // The system folders stay: they hold the MIME database.
        qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
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

    static QByteArray read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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

    QByteArray asked() const { return read(bin() + QStringLiteral("/asked")); }

    void associate(const QByteArray& desktopId, const QByteArray& entry)
    {
        write(bin() + QStringLiteral("/answer"), desktopId + '\n');
        write(path(QStringLiteral("data/applications/")) + QString::fromLatin1(desktopId), entry);
    }

    QString page()
    {
        write(path(QStringLiteral("page.htm")), "<p>x</p>");
        return path(QStringLiteral("page.htm"));
    }

    std::function<void(const QString&)> collect()
    {
        return [this](const QString& m) { messages << m; };
    }
};

TEST_F(Shell, NoDocumentOrNoAssociationFindsNothing)
{
    associate("browser.desktop", "[Desktop Entry]\nExec=/bin/true\n");
    EXPECT_EQ(FindProgramFor(QString()), QString());
    EXPECT_EQ(FindProgramFor(path(QStringLiteral("missing.htm"))), QString());
    EXPECT_EQ(FindProgramFor(root.path()), QString()); // a folder is no document
    EXPECT_EQ(asked(), QByteArray());

    associate("no-exec.desktop", "[Desktop Entry]\nName=No Exec\n");
    EXPECT_EQ(FindProgramFor(page()), QString());
    write(bin() + QStringLiteral("/answer"), "");
    EXPECT_EQ(FindProgramFor(page()), QString());
    OpenMakerSite(root.path(), QStringLiteral("FR"), collect());
    EXPECT_EQ(QFileInfo(path(QStringLiteral("tmp.htm"))).size(), 0);
    EXPECT_EQ(messages, QStringList());
}

// Only the main group's Exec counts, and a bare name is looked for on PATH.
TEST_F(Shell, ProgramFromTheDesktopEntrysMainGroup)
{
    const QString handler = recorder(bin() + QStringLiteral("/handler"));
    associate("fake-browser.desktop",
              "[Desktop Action private]\nExec=/bin/false\n[Desktop Entry]\nExec=handler "
              "%u\n[Desktop Action new]\nExec=/bin/false\n");
    EXPECT_EQ(FindProgramFor(page()), handler);
    EXPECT_EQ(asked(), "query default text/html\n");
}

TEST_F(Shell, OpenWithProgramPassesTheDocumentWhole)
{
    const QString browser = recorder(path(QStringLiteral("my browser/web handler")));
    OpenWithProgram(browser, QStringLiteral("https://example.org/a b?x=\"1\""), collect());
    EXPECT_EQ(argsOf(browser), "https://example.org/a b?x=\"1\"\n");
    EXPECT_EQ(messages, QStringList());

    // PowerPoint alone, spelled as it is, opens the document as a slide show.
    const QString talk = QStringLiteral("talk.ppt");
    EXPECT_EQ(ProgramArguments(QStringLiteral("/x/POWERPNT.EXE"), talk),
              (QStringList{QStringLiteral("/s"), talk}));
    EXPECT_EQ(ProgramArguments(QStringLiteral("/x/powerpnt.exe"), talk), QStringList{talk});
    EXPECT_EQ(ProgramArguments(QStringLiteral("/x/POWERPNT.EXE.sh"), talk), QStringList{talk});
}

TEST_F(Shell, MissingProgramIsReported)
{
    const QString missing = path(QStringLiteral("my browser/gone"));
    OpenWithProgram(missing, QStringLiteral("x.htm"), collect());
    OpenWithProgram(path(QStringLiteral("my browser")), QStringLiteral("x.htm"), collect());
    EXPECT_EQ(messages, (QStringList{QStringLiteral("Erreur: Outils inexistant: ") + missing,
                                     QStringLiteral("Erreur: Outils inexistant: ") +
                                         path(QStringLiteral("my browser"))}));
}

// The browser's path holds a space, quoted in its desktop entry.
TEST_F(Shell, MakerSiteInTheBrowserOfHtmFiles)
{
    const QString browser = recorder(path(QStringLiteral("my browser/web handler")));
    associate("fake-browser.desktop", "[Desktop Entry]\nExec=\"" + browser.toUtf8() + "\" %u\n");
    const QString tmp = path(QStringLiteral("tmp.htm"));
    OpenMakerSite(root.path(), QStringLiteral("EN"), collect());
    EXPECT_EQ(argsOf(browser), "https://www.korvelsoft.com?langue=EN\n");
    EXPECT_TRUE(QFileInfo(tmp).isFile() && QFileInfo(tmp).size() == 0);

    // Made once: a page already there is left as it is.
    write(tmp, "kept");
    QFile::remove(browser + QStringLiteral(".args"));
    OpenMakerSite(root.path(), QStringLiteral("FR"), collect());
    EXPECT_EQ(argsOf(browser), "https://www.korvelsoft.com?langue=FR\n");
    EXPECT_EQ(read(tmp), "kept");
    EXPECT_EQ(messages, QStringList());
}

} // namespace
