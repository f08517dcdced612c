#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace talco {

bool FileExists(const QString& path);

// Writes text in the program's 8-bit encoding. The bytes go to a temporary file that
// replaces the old one only once complete, so a crash or a full disk never leaves a
// truncated file behind. Returns false, with the reason in error, when nothing was
// written.
bool WriteTextFile(const QString& path, const QString& text, QString* error = nullptr);
// The same for bytes written as they are.
bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Why a file could not be read or written, for the caller to tell in its own language.
struct FileError {
    enum Reason {
        Missing,
        Folder,
        NotAFile,
        NotReadable,
        NotWritable,
        NoFolder,
        TooLarge,
        Binary,
        System
    };
    FileError(Reason why = System, const QString& words = QString(), qint64 bytes = -1)
        : reason(why), system(words), size(bytes)
    {
    }

    Reason reason;
    QString system; // the system's own words, for System
    qint64 size;    // for TooLarge, when the size is known
};

// The reason in words, French or English, to follow "cannot open FILE: " (TooLarge and
// Binary speak of a tape).
QString FileErrorText(const FileError& error, bool english);

// Why path cannot be read: it is missing, a folder, not a file or not readable. Nothing
// when it is a file that the user may read.
std::optional<FileError> ReadRefusal(const QString& path);

// Why WriteTextFile could not write path, from what is there now and the system's words.
FileError WriteFailure(const QString& path, const QString& system);

bool DeleteFile(const QString& path);

// The folder that holds the program's own files (ecran.txt, params.txt, ticket.htm,
// tmp.htm): the program's folder when it is writable, as a portable copy wants, and
// otherwise, or when the program is installed, the user's data folder for the program,
// so that an installed copy never loses its autosave nor writes among system files.
QString ProgramDataFolder();
// The same for a program living in programFolder.
QString DataFolderFor(const QString& programFolder);

// The folders that may hold the files the program comes with (help pages, artwork), in
// the order to look: its own folder, as a portable copy has them, then the installed
// data in ../share/talco, found from the program's place so that any prefix works.
QStringList ProgramFileFolders();

// The file of one of the program's plugins (talco-print.so): beside the program, as a
// portable copy and the build folder have it; otherwise in the library folder of an
// installed copy.
QString PluginFile(const QString& name);

// Qt wants a private runtime folder and complains at every start of a session that names
// none (su, a bare X session, a container): such a session gets one of the program's own,
// private to the user as Qt requires, in the temporary folder. One that is there already is
// used only when it is the user's own folder. Called before the application object.
void ProvideRuntimeFolder();

} // namespace talco
