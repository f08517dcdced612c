#pragma once

#include <QString>

class QWidget;

namespace talco {

// The open ("OUVRIR") or save dialog for files with the extension suff. Returns the
// chosen path, or an empty text when the user cancelled. Afterwards the current
// folder is the program's folder again. Given csv, the dialog also offers
// "CSV (*.csv)" and csv tells whether it was chosen; the path then ends in ".csv".
QString ChoisirUnFichier(QWidget* parent, const QString& langue, const QString& mode,
                         const QString& suff, const QString& nom_fichier_par_defaut,
                         const QString& programFolder, bool* csv = nullptr);

} // namespace talco
