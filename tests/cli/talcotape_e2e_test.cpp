// talco-tape as a script sees it: the real binary, its bytes and its exit codes.

#include "cli/tapecommand.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The keys before the bad option are done, but no partial tape gets out: only a message.
TEST(TalcoTapeBinary, WritesTheWholeTapeInWindowsEncodingOrOnlyAnError)
{
    // The tape in Windows-1252 and CR LF, as runTapeCommand() gives it, byte for byte.
    const QStringList sample =
        QStringLiteral("--locale fr_FR --keys 13896,78+756+1256,25=").split(u' ');
    const QByteArray tape = talco::runTapeCommand(sample).out;
    ASSERT_TRUE(tape.contains("\r\n3\t=\t15\xA0"
                              "909,03\r\n"));
    for (const bool bogus : {false, true}) {
        QProcess process;
        process.start(QStringLiteral(TALCO_TAPE_EXE),
                      bogus ? sample + QStringList{QStringLiteral("--bogus")} : sample);
        ASSERT_TRUE(process.waitForFinished(30000));
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
        const QByteArray out = process.readAllStandardOutput();
        EXPECT_TRUE(out == (bogus ? QByteArray() : tape)) << out.toStdString();
        EXPECT_EQ(process.exitCode() != 0, bogus);
        EXPECT_EQ(process.readAllStandardError().contains("--bogus"), bogus);
    }
}

} // namespace
