#include "divers/shell.h"

#include "divers/files.h"
#include "divers/maker.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#else
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>
#endif

namespace talco {

#ifndef Q_OS_WIN
namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T> using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GFree {
    void operator()(gpointer memory) const { g_free(memory); }
};

// A file that is there stays a file whatever its name looks like; anything else with a
// scheme is an address, handed on as written.
QByteArray uriOf(const QString& document)
{
    if (!QFileInfo::exists(document) && QUrl(document).scheme().size() > 1)
        return document.toUtf8();
    const std::unique_ptr<gchar, GFree> uri(g_filename_to_uri(
        QFile::encodeName(QFileInfo(document).absoluteFilePath()).constData(), nullptr, nullptr));
    return QByteArray(uri.get());
}

// Started as the desktop starts it: the Exec line's own words, then the document in
// place of its field code, all as a list.
bool launchEntry(const QString& entry, const QString& document)
{
    const GObjectPtr<GDesktopAppInfo> app(
        g_desktop_app_info_new_from_filename(QFile::encodeName(entry).constData()));
    if (!app)
        return false; // not an entry, or its program is gone
    QByteArray uri = uriOf(document);
    GList uris{uri.data(), nullptr, nullptr};
    g_app_info_launch_uris(G_APP_INFO(app.get()), &uris, nullptr, nullptr);
    return true;
}

} // namespace
#endif

QString FindProgramFor(const QString& document)
{
    if (!FileExists(document))
        return QString();
#ifdef Q_OS_WIN
    wchar_t program[MAX_PATH] = {};
    const auto code = reinterpret_cast<INT_PTR>(
        FindExecutableW(reinterpret_cast<const wchar_t*>(document.utf16()), nullptr, program));
    return code > 32 ? QString::fromWCharArray(program) : QString();
#else
    // By the name, as the association is by extension: tmp.htm is empty, and its
    // content would say nothing.
    const std::unique_ptr<gchar, GFree> type(
        g_content_type_guess(QFile::encodeName(document).constData(), nullptr, 0, nullptr));
    if (g_content_type_is_unknown(type.get()))
        return QString(); // an unknown type has no program of its own
    const GObjectPtr<GAppInfo> app(g_app_info_get_default_for_type(type.get(), FALSE));
    if (!app || !G_IS_DESKTOP_APP_INFO(app.get()))
        return QString();
    const char* entry = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app.get()));
    return entry ? QFile::decodeName(entry) : QString();
#endif
}

QStringList ProgramArguments(const QString& program, const QString& document)
{
    QStringList args;
    if (program.endsWith(u"POWERPNT.EXE"))
        args << QStringLiteral("/s");
    args << document;
    return args;
}

void OpenWithProgram(const QString& program, const QString& document,
                     const std::function<void(const QString&)>& message)
{
    const auto missing = [&] {
        if (message)
            message(QStringLiteral("Erreur: Outils inexistant: ") + program);
    };
    if (!FileExists(program)) {
        missing();
        return;
    }
#ifndef Q_OS_WIN
    if (program.endsWith(u".desktop")) {
        if (!launchEntry(program, document))
            missing();
        return;
    }
#endif
    QProcess::startDetached(program, ProgramArguments(program, document));
}

void OpenMakerSite(const QString& folder, const QString& langue,
                   const std::function<void(const QString&)>& message)
{
    const QString page = folder + QStringLiteral("/tmp.htm");
    if (!FileExists(page))
        WriteTextFile(page, QString());
    const QString browser = FindProgramFor(page);
    if (browser.isEmpty())
        return;
    OpenWithProgram(
        browser, QString::fromUtf16(maker::WebSite) + QStringLiteral("?langue=") + langue, message);
}

} // namespace talco
