// talco-tape as a script sees it: the real binary, its bytes and its exit codes.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    QByteArray out;
    QByteArray err;
    int exitCode = -1; // -1 when the process did not end normally
};

Outcome runTalcoTape(const QStringList& args)
{
    QProcess process;
    // The regional settings come from the options, never from the machine running the tests.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALCO_TAPE_EXE), args);
    Outcome run;
    if (!process.waitForFinished(30000)) {
        ADD_FAILURE() << "talco-tape did not finish";
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}

// The sample calculation under French settings, as its caller types it.
const QStringList SampleArgs = {QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                                QStringLiteral("--keys"), QStringLiteral("13896,78+756+1256,25=")};

TEST(TalcoTapeBinary, WritesWholeTapeInWindowsEncodingThatOpensAgain)
{
    // Windows-1252: the French group separator is the single byte A0.
    const QByteArray filled[] = {"\t13\xA0"
                                 "896,78",
                                 "+\t756,00",
                                 "+\t1\xA0"
                                 "256,25",
                                 "=\t15\xA0"
                                 "909,03"};
    QByteArray expected;
    for (int i = 0; i < 100; ++i)
        expected += QByteArray::number(i) + '\t' + (i < 4 ? filled[i] : QByteArray("\t")) + "\r\n";
    expected += "separators\tU+002C\tU+00A0\r\n";

    const Outcome run = runTalcoTape(SampleArgs + QStringList{QStringLiteral("--state")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out == expected) << run.out.toStdString();
    EXPECT_EQ(run.err.toStdString(),
              "state: row=4 op=0 focus=Nombre(4) caret=0 sel=0 scroll=0 visible=14\n");

    // Saved, the tape opens exactly as it was left.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("sample.kvt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(run.out);
    file.close();
    const Outcome reopened = runTalcoTape({QStringLiteral("--locale"), QStringLiteral("fr_FR"),
                                           QStringLiteral("--open"), file.fileName()});
    EXPECT_EQ(reopened.exitCode, 0);
    EXPECT_TRUE(reopened.out == expected) << reopened.out.toStdString();
}

TEST(TalcoTapeBinary, FailureExitsNonZeroWithoutTape)
{
    // The keys before the bad option are done, but no partial tape gets out.
    const Outcome run = runTalcoTape(SampleArgs + QStringList{QStringLiteral("--bogus")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.exitCode, -1); // an error exit, not a crash
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("--bogus")) << run.err.toStdString();
}

} // namespace
