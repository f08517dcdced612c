// The shell procedures against a fake desktop: GIO reads its desktop entries, its
// default applications and its MIME database from a private folder, and the programs
// are scripts that record their arguments. GIO keeps what it has read for the whole
// process, so the fake desktop is made once, before any test asks GIO anything.

#include "divers/shell.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

using namespace talco;

namespace {

using namespace Qt::StringLiterals;

QTemporaryDir* root = nullptr;

QString path(const char* name)
{
    return root->filePath(QString::fromUtf8(name));
}

void write(const char* name, const QByteArray& bytes)
{
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A program that writes its arguments, one a line, to its own path + ".args".
QString recorder(const char* name)
{
    write(name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
    QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path(name);
}

// The arguments the detached program received, waited for within a bound.
QString argsOf(const char* program)
{
    QFile args(path(program) + u".args"_s);
    const QDeadlineTimer deadline(10000);
    while (!args.exists() && !deadline.hasExpired())
        QThread::msleep(20);
    return args.open(QIODevice::ReadOnly) ? QString::fromUtf8(args.readAll()) : QString();
}

class FakeDesktop : public ::testing::Environment {
    void SetUp() override
    {
        // The desktop plugin is found beside the program, as the application knows it.
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("divers_shell_tests"), nullptr};
        static QCoreApplication app(argc, argv);
        root = new QTemporaryDir;
        ASSERT_TRUE(root->isValid());
        for (const char* sub : {"data/applications", "config", "system", "my programs"})
            ASSERT_TRUE(QDir(root->path()).mkpath(QString::fromLatin1(sub)));
        // Only the system's MIME database is shared, never its applications.
        ASSERT_TRUE(QFile::link(u"/usr/share/mime"_s, path("system/mime")));

        // A browser in a folder with a space, started like a Flatpak: the page comes
        // after words of the entry's own.
        write("data/applications/org.example.Browser.desktop",
              "[Desktop Entry]\nType=Application\nName=Browser\nMimeType=text/html;\nExec=\"" +
                  recorder("my programs/web handler").toUtf8() +
                  "\" run --branch=stable org.example.Browser @@u %u @@\n");
        // Listed first for text/html but not the user's choice; it takes paths.
        write("data/applications/aa-editor.desktop",
              "[Desktop Entry]\nType=Application\nName=Editor\nMimeType=text/html;text/plain;\n"
              "Exec=\"" +
                  recorder("my programs/editor").toUtf8() + "\" --edit %F\n");
        // Its program is gone: GIO passes it over.
        write("data/applications/gone.desktop",
              "[Desktop Entry]\nType=Application\nName=Gone\nMimeType=image/png;\nExec=" +
                  path("gone").toUtf8() + " %f\n");
        // What update-desktop-database would write, and the user's choice for pages.
        write("data/applications/mimeinfo.cache",
              "[MIME Cache]\ntext/html=aa-editor.desktop;org.example.Browser.desktop;\n"
              "text/plain=aa-editor.desktop;\nimage/png=gone.desktop;\n");
        write("config/mimeapps.list",
              "[Default Applications]\ntext/html=org.example.Browser.desktop\n");
        for (const char* document : {"my page.htm", "my notes.txt", "page.png", "page.zzqx"})
            write(document, "x");

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

// The entry GIO chooses by the document's name, the user's over the first listed; none
// without a document, for a folder, an unknown type or an entry whose program is gone.
TEST(Shell, FindsTheDesktopEntryForADocument)
{
    EXPECT_EQ(FindProgramFor(path("my page.htm")),
              path("data/applications/org.example.Browser.desktop"));
    EXPECT_EQ(FindProgramFor(path("my notes.txt")), path("data/applications/aa-editor.desktop"));
    for (const QString& none :
         {QString(), path("missing.htm"), path("my programs"), path("page.png"), path("page.zzqx")})
        EXPECT_EQ(FindProgramFor(none), QString()) << none.toStdString();
}

// Started with its arguments as a list, never through a shell: a program gets the document
// whole; an entry the words of its Exec line, then the document, a local file as its path;
// the maker's site goes to the browser found for tmp.htm, made for it. Only a missing
// program, or an entry whose program is gone, is told.
TEST(Shell, StartsTheProgramWithTheDocumentOrTellsItIsMissing)
{
    QStringList messages;
    const auto tell = [&](const QString& m) { messages << m; };
    OpenWithProgram(recorder("my programs/plain handler"), u"https://example.org/a b?x=\"1\""_s,
                    tell);
    EXPECT_EQ(argsOf("my programs/plain handler"), u"https://example.org/a b?x=\"1\"\n"_s);
    OpenWithProgram(path("data/applications/aa-editor.desktop"), path("my notes.txt"), tell);
    EXPECT_EQ(argsOf("my programs/editor"), u"--edit\n"_s + path("my notes.txt") + u'\n');
    OpenMakerSite(root->path(), u"EN"_s, tell);
    EXPECT_EQ(argsOf("my programs/web handler"), u"run\n--branch=stable\norg.example.Browser\n@@u\n"
                                                 u"https://www.korvelsoft.com?langue=EN\n@@\n"_s);

    QStringList told;
    for (const char* gone : {"my programs/gone", "my programs", "data/applications/none.desktop",
                             "data/applications/gone.desktop"}) {
        OpenWithProgram(path(gone), u"x.htm"_s, tell);
        told << u"Erreur: Outils inexistant: "_s + path(gone);
    }
    EXPECT_EQ(messages, told);
}

} // namespace
