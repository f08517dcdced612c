#pragma once

#include "divers/files.h"

#include <QString>

namespace talco {

// The messages and the question the window adds of its own, each with its %1 and %2.
enum class Say {
    CannotOpen,         // the file, why
    CannotSave,         // the file, why
    CannotSaveSettings, // the file, why
    SettingsUnreadable, // the file
    LastTapeLeft,       // the file that keeps the last session's tape, this session's file
    CloseAnyway,        // the autosave, why
};

// The text in the interface's language: English when langue is "EN", French otherwise.
QString Said(Say what, const QString& langue, const QString& arg1, const QString& arg2 = QString());

// Why a file could not be read or written, in the interface's language.
QString Why(const FileError& error, const QString& langue);

} // namespace talco
