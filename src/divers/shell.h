#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace talco {

// The program the desktop associates with a document, or an empty text when there is
// none or the document does not exist. On Windows it is the executable's full path;
// elsewhere it is the full path of the program's desktop entry (a .desktop file), as
// GIO finds it for the document's type, since its Exec line may hold more than a
// program (a Flatpak is "flatpak run ...").
QString FindProgramFor(const QString& document);

// The arguments OpenWithProgram passes to an executable: "/s" first for PowerPoint,
// then the document.
QStringList ProgramArguments(const QString& program, const QString& document);

// Starts program on document, detached, with its arguments as a list (never through a
// shell). Outside Windows a desktop entry is started by GIO as the desktop starts it:
// the words of its Exec line, then the document (a file, or an address with its
// scheme) in place of its field code. A missing program, or an entry whose program is gone, is
// reported through message with "Erreur: Outils inexistant: " and its path; a failure
// to start is ignored.
void OpenWithProgram(const QString& program, const QString& document,
                     const std::function<void(const QString&)>& message);

// Opens the maker's web site in the user's browser, in the given language: the browser
// is the program associated with tmp.htm, an empty page in folder created once.
void OpenMakerSite(const QString& folder, const QString& langue,
                   const std::function<void(const QString&)>& message);

} // namespace talco
