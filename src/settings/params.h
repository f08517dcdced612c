#pragma once

#include "tape/settings.h"

#include <QLocale>
#include <QString>

namespace talco {

// The settings at start-up: defaults (the language from the regional settings),
// then what the text of params.txt says.
Settings ParseParams(const QString& text, const QLocale& locale);

// Whether the text is one of settings: some line sets LANGUE, 2CHIFFRES, 3CHIFFRES or
// MILLIERS.
bool HasSettings(const QString& text);

// Reads params.txt at path; a missing file leaves the defaults. Returns false when
// the file exists but cannot be read (the defaults stand then too).
bool GetParams(const QString& path, Settings& settings, const QLocale& locale);

// Sets the four settings, then rewrites params.txt at path with them. The settings
// change even when the file cannot be written; false then tells the caller.
bool SaveParams(Settings& settings, const QString& path, const QString& langue,
                const QString& les2chiffres, const QString& les3chiffres, const QString& milliers,
                QString* error = nullptr);

// The four lines the program writes: LANGUE, 2CHIFFRES, 3CHIFFRES, MILLIERS.
QString ParamsText(const Settings& settings);

} // namespace talco
