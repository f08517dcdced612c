#pragma once

#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

namespace talco {

// Where the window keeps its files and which regional settings it formats with.
struct AppContext {
    AppContext(const QString& folder, const QLocale& regional = QLocale::system())
        : dataFolder(folder), locale(regional)
    {
    }

    QString dataFolder;
    QLocale locale = QLocale::system();
    // The autosave is written this long after the last change to the tape.
    int autosaveDelayMs = 2000;
    // How the window opens the maker's web site (tests record it instead).
    std::function<void()> openSite;
    // How the window tells the user something, and asks a yes-or-no question; a message
    // box titled "Attention" unless given (tests record them instead).
    std::function<void(const QString&)> tell;
    std::function<bool(const QString&)> ask;
    // The note editor for a row (nullopt when cancelled) and the file dialogs ("OUVRIR"
    // or "SAVE"; csv is set when the save dialog offers CSV, and tells which was chosen):
    // dialogs unless given (tests answer them instead).
    std::function<std::optional<QString>(int row, const QString& note)> askNote;
    std::function<QString(const QString& mode, bool* csv)> chooseFile;
};

} // namespace talco
