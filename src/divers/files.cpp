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
    QSaveFile file(path);
    const QByteArray bytes = toAnsi(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool ReadTextFile(const QString& path, QString& text, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = QCoreApplication::translate("talco", "not a file");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    text = fromAnsi(file.readAll());
    return true;
}

bool DeleteFile(const QString& path)
{
    return QFile::remove(path);
}

QString ProgramDataFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString ProgramFile(const QString& name)
{
    static const QString folder = ProgramDataFolder();
    return folder + u'/' + name;
}

} // namespace talco
