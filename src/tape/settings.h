#pragma once

#include <QString>

namespace talco {

// The four user settings, kept as the texts read from or written to params.txt.
// Readers compare them with "1", "0", "FR" and "EN"; any other text is kept as it is.
struct Settings {
    QString G_Langue = QStringLiteral("FR");
    QString G_2Chiffres = QStringLiteral("1");
    QString G_3Chiffres = QStringLiteral("0");
    QString G_Milliers = QStringLiteral("1");

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace talco
