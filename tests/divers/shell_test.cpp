// The shell procedures against a fake desktop: GIO reads its desktop entries, its
// default applications and its MIME database from a private folder, and the "browser"
// is a script that records its arguments. GIO keeps what it has read for the whole
// process, so the fake desktop is made once, before any test asks GIO anything.

#include "divers/shell.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <thread>

using namespace talco;

namespace {

QTemporaryDir* root = nullptr;

QString path(const char* name)
{
    return root->filePath(QString::fromUtf8(name));
}

void write(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A program that writes its arguments, one a line, to its own path + ".args".
QString recorder(const QString& file)
{
    write(file, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return file;
}

// The arguments the detached program received, waited for within a bound.
QString argsOf(const QString& program)
{
    const QString file = program + QStringLiteral(".args");
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(file) && !deadline.hasExpired())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return QString::fromUtf8(read(file));
}

class FakeDesktop : public ::testing::Environment {
    void SetUp() override
    {
        root = new QTemporaryDir;
        ASSERT_TRUE(root->isValid());
        for (const char* sub : {"data/applications", "config", "system", "my programs"})
            ASSERT_TRUE(QDir(root->path()).mkpath(QString::fromLatin1(sub)));
        // Only the system's MIME database is shared, never its applications.
        ASSERT_TRUE(QFile::link(QStringLiteral("/usr/share/mime"), path("system/mime")));

        // A browser in a folder with a space, started like a Flatpak: the page comes
        // after words of the entry's own.
        const QByteArray browser = recorder(path("my programs/web handler")).toUtf8();
        write(path("data/applications/org.example.Browser.desktop"),
              "[Desktop Entry]\nType=Application\nName=Browser\nMimeType=text/html;\n"
              "Exec=\"" +
                  browser + "\" run --branch=stable org.example.Browser @@u %u @@\n");
        // Listed first for text/html but not the user's choice; it takes paths.
        const QByteArray editor = recorder(path("my programs/editor")).toUtf8();
        write(path("data/applications/aa-editor.desktop"),
              "[Desktop Entry]\nType=Application\nName=Editor\nMimeType=text/html;text/plain;\n"
              "Exec=\"" +
                  editor + "\" --edit %F\n");
        // Its program is gone: GIO passes it over.
        write(path("data/applications/gone.desktop"),
              "[Desktop Entry]\nType=Application\nName=Gone\nMimeType=image/png;\nExec=" +
                  path("gone").toUtf8() + " %f\n");
        // What update-desktop-database would write, and the user's choice for pages.
        write(path("data/applications/mimeinfo.cache"),
              "[MIME Cache]\ntext/html=aa-editor.desktop;org.example.Browser.desktop;\n"
              "text/plain=aa-editor.desktop;\nimage/png=gone.desktop;\n");
        write(path("config/mimeapps.list"),
              "[Default Applications]\ntext/html=org.example.Browser.desktop\n");

        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", path("system").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", path("system").toLocal8Bit());
        qunsetenv("XDG_CURRENT_DESKTOP");
        // Launching tells the session bus when there is one: none here, and none started.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path("no-bus").toLocal8Bit());
    }

    void TearDown() override { delete root; }
};

const auto* const desktop = ::testing::AddGlobalTestEnvironment(new FakeDesktop);

TEST(Shell, NoDocumentOrNoAssociationFindsNothing)
{
    write(path("page.png"), "?");
    write(path("page.zzqx"), "?");
    EXPECT_EQ(FindProgramFor(QString()), QString());
    EXPECT_EQ(FindProgramFor(path("missing.htm")), QString());
    EXPECT_EQ(FindProgramFor(root->path()), QString()); // a folder is no document
    EXPECT_EQ(FindProgramFor(path("page.png")), QString());
    EXPECT_EQ(FindProgramFor(path("page.zzqx")), QString());
}

TEST(Shell, OpenWithProgramPassesTheDocumentWholeOrReportsAMissingProgram)
{
    QStringList messages;
    const auto tell = [&](const QString& m) { messages << m; };
    const QString program = recorder(path("my programs/plain handler"));
    OpenWithProgram(program, QStringLiteral("https://example.org/a b?x=\"1\""), tell);
    EXPECT_EQ(argsOf(program), QStringLiteral("https://example.org/a b?x=\"1\"\n"));
    EXPECT_EQ(messages, QStringList());

    const QStringList missing{path("my programs/gone"), path("my programs"),
                              path("data/applications/none.desktop"),
                              path("data/applications/gone.desktop")};
    for (const QString& p : missing)
        OpenWithProgram(p, QStringLiteral("x.htm"), tell);
    ASSERT_EQ(messages.size(), missing.size());
    for (qsizetype i = 0; i < missing.size(); ++i)
        EXPECT_EQ(messages[i], QStringLiteral("Erreur: Outils inexistant: ") + missing[i]);
}

// The Flatpak case: the words of the entry's Exec line first, then the document.
TEST(Shell, DesktopEntriesGetTheDocumentAfterTheirOwnArguments)
{
    QStringList messages;
    const auto tell = [&](const QString& m) { messages << m; };
    const auto received = [](const QString& program, const std::function<void()>& start) {
        QFile::remove(program + QStringLiteral(".args"));
        start();
        return argsOf(program);
    };
    const QString browser = path("my programs/web handler");
    const auto browserArgs = [](const QString& document) {
        return QStringLiteral("run\n--branch=stable\norg.example.Browser\n@@u\n") + document +
               QStringLiteral("\n@@\n");
    };

    // Local files reach the program as paths, whether it takes URIs (%u) or paths (%F).
    const QString page = path("my page.htm");
    write(page, "<p>x</p>");
    const QString entry = FindProgramFor(page);
    EXPECT_EQ(entry, path("data/applications/org.example.Browser.desktop"));
    EXPECT_EQ(received(browser, [&] { OpenWithProgram(entry, page, tell); }), browserArgs(page));
    const QString notes = path("my notes.txt");
    write(notes, "x");
    const QString editor = FindProgramFor(notes);
    EXPECT_EQ(editor, path("data/applications/aa-editor.desktop"));
    EXPECT_EQ(received(path("my programs/editor"), [&] { OpenWithProgram(editor, notes, tell); }),
              QStringLiteral("--edit\n") + notes + u'\n');

    // The maker's site as its address; tmp.htm is made once, empty.
    const QString tmp = path("tmp.htm");
    EXPECT_EQ(received(browser, [&] { OpenMakerSite(root->path(), QStringLiteral("EN"), tell); }),
              browserArgs(QStringLiteral("https://www.korvelsoft.com?langue=EN")));
    EXPECT_TRUE(QFileInfo(tmp).isFile());
    EXPECT_EQ(QFileInfo(tmp).size(), 0);
    write(tmp, "kept");
    EXPECT_EQ(received(browser, [&] { OpenMakerSite(root->path(), QStringLiteral("FR"), tell); }),
              browserArgs(QStringLiteral("https://www.korvelsoft.com?langue=FR")));
    EXPECT_EQ(read(tmp), "kept");
    EXPECT_EQ(messages, QStringList());
}

} // namespace
