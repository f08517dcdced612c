#include "files/tapefile.h"

#include "divers/ansi.h"

#include <QFile>

namespace talco {

bool ReadTapeFile(const QString& path, QString& text, FileError* error)
{
    const auto fail = [error](FileError why) {
        if (error)
            *error = std::move(why);
        return false;
    };
    if (std::optional<FileError> refusal = ReadRefusal(path))
        return fail(*refusal);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail({FileError::System, file.errorString()});
    if (file.size() > MaxTapeFileSize)
        return fail({FileError::TooLarge, QString(), file.size()});
    // Read up to one byte past the limit, in pieces, so that a small file costs a small
    // buffer: a file may grow, or report no size (a pipe).
    QByteArray bytes;
    char piece[16384];
    for (qint64 got; bytes.size() <= MaxTapeFileSize && (got = file.read(piece, sizeof piece)) > 0;)
        bytes.append(piece, got);
    if (bytes.size() > MaxTapeFileSize)
        return fail({FileError::TooLarge});
    if (file.error() != QFileDevice::NoError)
        return fail({FileError::System, file.errorString()});
    if (bytes.contains('\0'))
        return fail({FileError::Binary});
    // A byte-order mark says the rest is UTF-8, as an editor may have saved it.
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    text = bytes.startsWith(Bom) ? QString::fromUtf8(bytes.mid(3)) : fromAnsi(bytes);
    return true;
}

} // namespace talco
