#include "divers/files.h"

#include "divers/ansi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

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

QString FileErrorText(const FileError& error, bool english)
{
    const auto say = [english](const char16_t* fr, const char16_t* en) {
        return QString::fromUtf16(english ? en : fr);
    };
    switch (error.reason) {
    case FileError::Missing:
        return say(u"ce fichier n'existe pas", u"there is no such file");
    case FileError::Folder:
        return say(u"c'est un dossier, pas un fichier", u"it is a folder, not a file");
    case FileError::NotAFile:
        return say(u"ce n'est pas un fichier", u"it is not a file");
    case FileError::NotReadable:
        return say(u"vous n'avez pas le droit de le lire", u"you have no permission to read it");
    case FileError::NotWritable:
        return say(u"vous n'avez pas le droit d'y écrire",
                   u"you have no permission to write there");
    case FileError::NoFolder:
        return say(u"son dossier n'existe pas", u"its folder does not exist");
    case FileError::TooLarge:
        if (error.size < 0)
            return say(u"le fichier est trop volumineux pour être un ruban",
                       u"the file is too large to be a tape");
        return say(u"le fichier est trop volumineux pour être un ruban (%1 octets)",
                   u"the file is too large to be a tape (%1 bytes)")
            .arg(error.size);
    case FileError::Binary:
        return say(u"le fichier contient des données binaires, ce n'est donc pas un ruban",
                   u"the file holds binary data, so it is not a tape");
    case FileError::System:
        break;
    }
    // The system's words stay as the system gave them, quoted.
    return say(u"le système a répondu « %1 »", u"the system said \u201C%1\u201D").arg(error.system);
}

std::optional<FileError> ReadRefusal(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileError{FileError::Missing};
    if (info.isDir())
        return FileError{FileError::Folder};
    if (!info.isFile())
        return FileError{FileError::NotAFile};
    if (!info.isReadable())
        return FileError{FileError::NotReadable};
    return std::nullopt;
}

FileError WriteFailure(const QString& path, const QString& system)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {FileError::Folder};
    if (info.exists() && !info.isFile())
        return {FileError::NotAFile};
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return {FileError::NoFolder};
    // The new text goes to a temporary file in the folder first.
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return {FileError::NotWritable};
    return {FileError::System, system};
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

QString PluginFile(const QString& name)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString beside = programFolder + u'/' + name;
    return QFileInfo::exists(beside)
               ? beside
               : programFolder + QStringLiteral("/" TALCO_PLUGIN_RELDIR "/") + name;
}

void ProvideRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder =
        QFile::encodeName(QDir::tempPath() + QStringLiteral("/talco-runtime-%1").arg(getuid()));
    mkdir(folder.constData(), 0700);
    struct stat info {};
    if (lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return;
    if ((info.st_mode & 07777) != 0700 && chmod(folder.constData(), 0700) != 0)
        return;
    qputenv("XDG_RUNTIME_DIR", folder);
}

} // namespace talco
