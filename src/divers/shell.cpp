#include "divers/shell.h"

#include "divers/files.h"
#include "divers/maker.h"

#include <QProcess>

#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#else
#include <QLibrary>
#endif

namespace talco {

#ifndef Q_OS_WIN
namespace {

// The plugin's two calls, or nothing when it does not load.
struct Desktop {
    void (*programFor)(const QString& document, QString& entry) = nullptr;
    bool (*launchEntry)(const QString& entry, const QString& document) = nullptr;
};

const Desktop* desktop()
{
    static const std::optional<Desktop> loaded = []() -> std::optional<Desktop> {
        // Left loaded for the rest of the run, as QLibrary leaves it.
        QLibrary plugin(PluginFile(QStringLiteral("talco-desktop.so")));
        if (!plugin.load())
            return std::nullopt;
        Desktop d;
        d.programFor =
            reinterpret_cast<decltype(d.programFor)>(plugin.resolve("talco_program_for"));
        d.launchEntry =
            reinterpret_cast<decltype(d.launchEntry)>(plugin.resolve("talco_launch_entry"));
        if (!d.programFor || !d.launchEntry)
            return std::nullopt;
        return d;
    }();
    return loaded ? &*loaded : nullptr;
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
    QString entry;
    if (const Desktop* d = desktop())
        d->programFor(document, entry);
    return entry;
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
        const Desktop* d = desktop();
        if (!d || !d->launchEntry(program, document))
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
