#include "files/filedialog.h"

#include <QDir>
#include <QFileDialog>

namespace talco {

QString ChoisirUnFichier(QWidget* parent, const QString& langue, const QString& mode,
                         const QString& suff, const QString& nom_fichier_par_defaut,
                         const QString& programFolder)
{
    const bool open = mode == u"OUVRIR";
    const bool fr = langue != u"EN"; // as the window speaks French unless told "EN"
    const QString title = open ? (fr ? QStringLiteral("Ouvrir") : QStringLiteral("Open"))
                               : (fr ? QStringLiteral("Enregistrer") : QStringLiteral("Save"));
    // One entry, labelled in French in both languages.
    const QString filter = QStringLiteral("Les fichiers (*.") + suff + QStringLiteral(")");
    const QString path =
        open ? QFileDialog::getOpenFileName(parent, title, nom_fichier_par_defaut, filter)
             : QFileDialog::getSaveFileName(parent, title, nom_fichier_par_defaut, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return QString();
    if (QDir::currentPath() != QDir(programFolder).absolutePath())
        QDir::setCurrent(programFolder);
    return path;
}

} // namespace talco
