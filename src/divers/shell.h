#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace talco {

// The program the desktop associates with a document, as a full path to an
// executable, or an empty text when there is none or the document does not exist.
// On Linux the association is the freedesktop one, asked of xdg-mime.
QString FindProgramFor(const QString& document);

// The arguments OpenWithProgram passes: "/s" first for PowerPoint, then the document.
QStringList ProgramArguments(const QString& program, const QString& document);

// Starts program on document, detached, with its arguments as a list (never through a
// shell). A missing program is reported through message with "Erreur: Outils
// inexistant: " and its path; a failure to start is ignored.
void OpenWithProgram(const QString& program, const QString& document,
                     const std::function<void(const QString&)>& message);

// Opens the maker's web site in the user's browser, in the given language: the browser
// is the program associated with tmp.htm, an empty page in folder created once.
void OpenMakerSite(const QString& folder, const QString& langue,
                   const std::function<void(const QString&)>& message);

} // namespace talco
