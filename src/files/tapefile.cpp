#include "files/tapefile.h"

#include "divers/ansi.h"

#include <QFile>
#include <QFileInfo>

namespace talco {

bool ReadTapeFile(const QString& path, QString& text, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("ce n'est pas un fichier"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > MaxTapeFileSize)
        return fail(QStringLiteral("le fichier est trop volumineux pour être un ruban (%1 octets)")
                        .arg(file.size()));
    // Read one byte past the limit: a file may grow, or report no size (a pipe).
    const QByteArray bytes = file.read(MaxTapeFileSize + 1);
    if (bytes.size() > MaxTapeFileSize)
        return fail(QStringLiteral("le fichier est trop volumineux pour être un ruban"));
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.contains('\0'))
        return fail(
            QStringLiteral("le fichier contient des données binaires, ce n'est pas un ruban"));
    // A byte-order mark says the rest is UTF-8, as an editor may have saved it.
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    text = bytes.startsWith(Bom) ? QString::fromUtf8(bytes.mid(3)) : fromAnsi(bytes);
    return true;
}

} // namespace talco
