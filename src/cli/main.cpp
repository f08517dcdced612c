// talco-tape: the tape engine on the command line, for scripts and end-to-end tests.

#include "cli/tapecommand.h"

#include <QString>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const talco::CommandOutput output = talco::runTapeCommand(args);
    std::fwrite(output.out.constData(), 1, std::size_t(output.out.size()), stdout);
    std::fwrite(output.err.constData(), 1, std::size_t(output.err.size()), stderr);
    return std::fflush(stdout) == 0 ? output.exitCode : 1;
}
