// The tape a start begins with: the last session's, the sample at a first start, or an
// empty one beside an autosave that cannot be read; then the file of the command line.

#include "files/starttape.h"
#include "tape/tapedriver.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

TEST(StartTape, AutosaveOrSampleThenTheCommandLineFileAsOneStep)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    for (const auto& [name, bytes] :
         {std::pair{"saved.txt", QByteArray("0\t\t5\r\n1\t+\t6\r\n2\t=\t11\r\n")},
          std::pair{"other.kvt", QByteArray("0\t\t9\r\n")},
          std::pair{"binary", QByteArray("0\t\t5\0", 6)}}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    const struct {
        const char* autosave;
        const char* file;
        const char* how; // first start, autosave unreadable, file unreadable
        int focus;
        const char16_t* rows; // the first four rows as "op|figure;"
    } cases[] = {
        {"none", "", "100", 4, u"|13\u00A0896,78;+|756,00;+|1\u00A0256,25;=|15\u00A0909,03;"},
        {"saved.txt", "", "000", 3, u"|5,00;+|6,00;=|11,00;|;"},
        {"binary", "", "010", 1, u"|;|;|;|;"},
        {"saved.txt", "other.kvt", "000", 1, u"|9,00;+|6,00;=|15,00;|;"},
        {"saved.txt", "binary", "001", 3, u"|5,00;+|6,00;=|11,00;|;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.autosave) + " then " + c.file);
        TapeModel tape(tapetest::DefaultSettings, tapetest::french());
        const StartTape start =
            LoadStartTape(tape, path(c.autosave), *c.file ? path(c.file) : QString());
        EXPECT_EQ(std::to_string(start.firstStart) + std::to_string(start.autosaveUnreadable) +
                      std::to_string(start.fileUnreadable),
                  c.how);
        EXPECT_EQ(tape.focusedCell(), CellId::Nombre(c.focus));
        QString rows;
        for (int i = 0; i < 4; ++i)
            rows += tape.Op(i).text + u'|' + tape.Nombre(i).text + u';';
        EXPECT_EQ(rows, QString::fromUtf16(c.rows));
        // Undo takes back the command-line file, never the start.
        EXPECT_EQ(tape.undo(), *c.file && !start.fileUnreadable);
        EXPECT_FALSE(tape.undo());
    }
}

} // namespace
