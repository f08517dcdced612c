#pragma once

#include <QString>
#include <QStringList>

namespace talco {

bool FileExists(const QString& path);

// Writes text in the program's 8-bit encoding. The bytes go to a temporary file that
// replaces the old one only once complete, so a crash or a full disk never leaves a
// truncated file behind. Returns false, with the reason in error, when nothing was
// written.
bool WriteTextFile(const QString& path, const QString& text, QString* error = nullptr);
// The same for bytes written as they are.
bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

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

} // namespace talco
