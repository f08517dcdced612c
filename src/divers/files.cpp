#include "divers/files.h"

#include "files/ansi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace talco {

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool WriteTextFile(const QString& path, const QString& text, QString* error)
{
    return WriteFileBytes(path, toAnsi(text), error);
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool ReadTapeFile(const QString& path, QString& text, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("ce n'est pas un fichier"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > MaxTapeFileSize)
        return fail(QStringLiteral("le fichier est trop volumineux pour être un ruban (%1 octets)")
                        .arg(file.size()));
    // Read one byte past the limit: a file may grow, or report no size (a pipe).
    const QByteArray bytes = file.read(MaxTapeFileSize + 1);
    if (bytes.size() > MaxTapeFileSize)
        return fail(QStringLiteral("le fichier est trop volumineux pour être un ruban"));
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.contains('\0'))
        return fail(
            QStringLiteral("le fichier contient des données binaires, ce n'est pas un ruban"));
    // A byte-order mark says the rest is UTF-8, as an editor may have saved it.
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    text = bytes.startsWith(Bom) ? QString::fromUtf8(bytes.mid(3)) : fromAnsi(bytes);
    return true;
}

bool DeleteFile(const QString& path)
{
    return QFile::remove(path);
}

QString DataFolderFor(const QString& programFolder)
{
    // An installed copy (its data beside it in ../share/talco) keeps the user's files in
    // the user's folder even where it could write to its own, as root can to /usr/bin.
    const bool installed = QFileInfo(programFolder + QStringLiteral("/../share/talco")).isDir();
    if (!installed && QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString ProgramDataFolder()
{
    return DataFolderFor(QCoreApplication::applicationDirPath());
}

QStringList ProgramFileFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, programFolder + QStringLiteral("/../share/talco")};
}

} // namespace talco
