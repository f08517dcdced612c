#pragma once

#include "divers/files.h"

#include <QString>

namespace talco {

class TapeModel;

// How the tape a start begins with came to be, for the window to tell the user.
struct StartTape {
    bool firstStart = false; // no autosave: the sample, with the hint panels
    // The autosave exists but could not be read: it is left as it is, and this session's
    // tape must be saved elsewhere.
    bool autosaveUnreadable = false;
    FileError autosaveError;
    // The file named on the command line exists but could not be read.
    bool fileUnreadable = false;
    FileError fileError;
};

// Fills the tape as a start does: the autosave at autosavePath, quietly, or the sample
// on a first start; arranged, focused after its last used row and worked out with every
// figure in the display format. That tape is where undo stops. Then, when fileIn names
// an existing file, that file is opened as Open opens one, as one step undo takes back.
StartTape LoadStartTape(TapeModel& tape, const QString& autosavePath, const QString& fileIn);

} // namespace talco
