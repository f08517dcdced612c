#include "files/filedialog.h"

#include <QDir>
#include <QFileDialog>

namespace talco {

QString ChoisirUnFichier(QWidget* parent, const QString& langue, const QString& mode,
                         const QString& suff, const QString& nom_fichier_par_defaut,
                         const QString& programFolder, bool* csv)
{
    const bool open = mode == u"OUVRIR";
    const bool fr = langue != u"EN"; // as the window speaks French unless told "EN"
    const QString title = open ? (fr ? QStringLiteral("Ouvrir") : QStringLiteral("Open"))
                               : (fr ? QStringLiteral("Enregistrer") : QStringLiteral("Save"));
    // One entry, labelled in French in both languages, and CSV beside it when asked for.
    const QString csvFilter = QStringLiteral("CSV (*.csv)");
    QString filter = QStringLiteral("Les fichiers (*.") + suff + QStringLiteral(")");
    if (csv)
        filter += QStringLiteral(";;") + csvFilter;
    QString chosenFilter;
    QString path =
        open ? QFileDialog::getOpenFileName(parent, title, nom_fichier_par_defaut, filter)
             : QFileDialog::getSaveFileName(parent, title, nom_fichier_par_defaut, filter,
                                            &chosenFilter, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return QString();
    if (csv) {
        *csv =
            chosenFilter == csvFilter || path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
        if (*csv && !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
            path += QStringLiteral(".csv");
    }
    if (QDir::currentPath() != QDir(programFolder).absolutePath())
        QDir::setCurrent(programFolder);
    return path;
}

} // namespace talco
