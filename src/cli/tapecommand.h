#pragma once

#include <QByteArray>
#include <QStringList>

namespace talco {

struct CommandOutput {
    QByteArray out; // the tape text, exactly as a saved file holds it
    QByteArray err; // messages, and the state line when asked for
    int exitCode = 0;
};

// Runs talco-tape's options in the order given, on an empty tape with the focus in
// the first number cell. args excludes the program's own name.
CommandOutput runTapeCommand(const QStringList& args);

} // namespace talco
