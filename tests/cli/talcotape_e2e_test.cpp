// talco-tape as a script sees it: the real binary, its bytes and its exit codes.

#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The keys before the bad option are done, but no partial tape gets out: only a message.
TEST(TalcoTapeBinary, WritesTheWholeTapeInWindowsEncodingOrOnlyAnError)
{
    // Windows-1252, CR LF, 100 rows: the French group separator is the single byte A0.
    QByteArray tape = "0\t\t13\xA0"
                      "896,78\r\n1\t+\t756,00\r\n2\t+\t1\xA0"
                      "256,25\r\n3\t=\t15\xA0"
                      "909,03\r\n";
    for (int i = 4; i < 100; ++i)
        tape += QByteArray::number(i) + "\t\t\r\n";
    tape += "separators\tU+002C\tU+00A0\r\n";

    const QStringList sample = {QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                                QStringLiteral("--keys"), QStringLiteral("13896,78+756+1256,25=")};
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
