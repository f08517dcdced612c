#pragma once

#include "divers/files.h"

#include <QString>

namespace talco {

// The largest tape file the program opens: a full tape is a few kilobytes.
inline constexpr qint64 MaxTapeFileSize = 1 << 20;

// Reads a tape file in the program's 8-bit encoding, or as UTF-8 behind a byte-order
// mark. Returns false, with the reason in error, when it cannot be read, is too large to
// be a tape or holds binary data (NUL bytes); text is then left as it was.
bool ReadTapeFile(const QString& path, QString& text, FileError* error = nullptr);

} // namespace talco
