#include "divers/shell.h"

#include "divers/files.h"
#include "divers/maker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace talco {

#ifndef Q_OS_WIN
namespace {

QString runQuery(const QStringList& args)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return QString();
    QProcess process;
    process.start(tool, args, QIODevice::ReadOnly);
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The first word of a desktop entry's Exec line, quotes and escapes undone.
QString execProgram(const QString& exec)
{
    QString word;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\\' && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c.isSpace() && !quoted) {
            if (!word.isEmpty())
                break;
        } else {
            word += c;
        }
    }
    return word;
}

QString desktopEntryProgram(const QString& desktopId)
{
    QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& dir : dirs) {
        QFile file(dir + u'/' + desktopId);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        bool inEntry = false;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(u'['))
                inEntry = line == u"[Desktop Entry]";
            else if (inEntry && line.startsWith(u"Exec="))
                return execProgram(line.mid(5));
        }
    }
    return QString();
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
    const QMimeType type = QMimeDatabase().mimeTypeForFile(document, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return QString(); // an unknown type has no program of its own
    const QString mime = type.name();
    const QString desktopId =
        runQuery({QStringLiteral("query"), QStringLiteral("default"), mime}).section(u';', 0, 0);
    if (desktopId.isEmpty())
        return QString();
    const QString program = desktopEntryProgram(desktopId);
    if (program.isEmpty())
        return QString();
    if (QFileInfo(program).isAbsolute())
        return program;
    return QStandardPaths::findExecutable(program);
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
    if (!FileExists(program)) {
        if (message)
            message(QStringLiteral("Erreur: Outils inexistant: ") + program);
        return;
    }
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
