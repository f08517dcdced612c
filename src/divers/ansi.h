#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace talco {

// Windows-1252, the 8-bit encoding of every file the program reads and writes.
// Characters it cannot hold are written as "?".
QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);
// True when the encoding holds the character as it is.
bool inAnsi(char16_t c);

} // namespace talco
