#include "files/starttape.h"

#include "divers/files.h"
#include "files/tapefile.h"
#include "files/tapetext.h"
#include "tape/tapemodel.h"

namespace talco {

namespace {

// The tape's rows arranged from the scroll position, the focus after the last used row,
// and every figure in the display format.
void settle(TapeModel& tape, int last)
{
    tape.ArrangeRows(tape.scrollValue());
    FocusAfterLastRow(tape, last);
    tape.Recalculate(true);
}

} // namespace

StartTape LoadStartTape(TapeModel& tape, const QString& autosavePath, const QString& fileIn)
{
    StartTape start;
    {
        TapeModel::Handler scope(tape);
        int last = 0;
        if (FileExists(autosavePath)) {
            tape.HideHints();
            QString text;
            if (ReadTapeFile(autosavePath, text, &start.autosaveError))
                last = LoadTapeText(tape, text, true);
            else
                start.autosaveUnreadable = true;
        } else {
            start.firstStart = true;
            tape.writeSample();
            last = 3;
        }
        settle(tape, last);
    }
    tape.forgetHistory();

    if (!fileIn.isEmpty() && FileExists(fileIn)) {
        tape.HideHints();
        QString text;
        if (ReadTapeFile(fileIn, text, &start.fileError)) {
            TapeModel::Handler scope(tape);
            settle(tape, LoadTapeText(tape, text));
        } else {
            start.fileUnreadable = true;
        }
    }
    return start;
}

} // namespace talco
