#include "divers/files.h"

#include "divers/ansi.h"

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
