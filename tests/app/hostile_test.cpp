// Hostile files and failed writes: each leaves the program running and the tape as it
// was, and tells the user why in the interface's language: English when the language
// setting is "EN", French under "FR" and under any other setting.

#include "files/tapetext.h"
#include "windowfixture.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <tuple>
#include <vector>

namespace talco::testing {
namespace {

using talco::testsupport::PrintTo;

class MessageLanguage;

struct Case {
    const char* name;
    void (*cause)(MessageLanguage&, const QByteArray& langue);
    // The dialog's title if any, the messages, then the question; %D is the window's folder.
    std::vector<const char16_t*> french;
    std::vector<const char16_t*> english;
};

struct Langue {
    const char* name;
};

class MessageLanguage : public WindowTest,
                        public ::testing::WithParamInterface<std::tuple<Case, Langue>> {
public:
    QStringList titles; // of the file dialogs shown

    void startIn(const QByteArray& langue, const QString& fichierIn = QString())
    {
        writeFile(u"params.txt"_s, "LANGUE\t" + langue + "\r\n");
        start("fr_FR", fichierIn);
    }

    // Answers the next file dialog with path, once it is shown, noting its title.
    void chooseInDialog(const QString& chosen)
    {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, chosen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog ? dialog->findChild<QLineEdit*>(u"fileNameEdit"_s) : nullptr;
            if (!name || !dialog->isVisible())
                return;
            poll->deleteLater();
            titles << dialog->windowTitle();
            // Typed whole, as selectFile() would look for the file's folder.
            name->setText(chosen);
            static_cast<QDialog*>(dialog)->accept(); // as the dialog's Save button does
        });
        poll->start(10);
    }
};

TEST_P(MessageLanguage, SpeaksTheInterfaceLanguage)
{
    const auto& [c, langue] = GetParam();
    ASSERT_NO_FATAL_FAILURE(c.cause(*this, langue.name));
    QStringList expected;
    for (const char16_t* text : qstrcmp(langue.name, "EN") == 0 ? c.english : c.french)
        expected << QString::fromUtf16(text).replace(u"%D"_s, folder.path());
    EXPECT_EQ((titles + told + asked).join(u'\n'), expected.join(u'\n'));
}

using T = MessageLanguage;

// clang-format off
const Case Cases[] = {
    // A file named on the command line that is no tape leaves the starting tape as it was.
    {"BinaryTape", [](T& t, const QByteArray& langue) {
         t.writeFile(u"bad.kvt"_s, QByteArray("0\t\t1\0\r\n", 7));
         t.startIn(langue, t.path(u"bad.kvt"_s));
         EXPECT_EQ(t.window->tape().Nombre(3).text, u"15\u00A0909,03"_s);
     },
     {u"Impossible d'ouvrir %D/bad.kvt : le fichier contient des données binaires, ce n'est donc pas un ruban."},
     {u"Cannot open %D/bad.kvt: the file holds binary data, so it is not a tape."}},
    {"UnreadableAutosave", [](T& t, const QByteArray& langue) {
         t.writeFile(u"ecran.txt"_s, QByteArray("0\t\t12\0\r\n", 8));
         t.startIn(langue);
     },
     {u"Impossible d'ouvrir %D/ecran.txt : le fichier contient des données binaires, ce n'est donc pas un ruban.",
      u"Le ruban de la dernière session est laissé dans %D/ecran.txt. Celui-ci sera enregistré dans %D/ecran-nouveau.txt."},
     {u"Cannot open %D/ecran.txt: the file holds binary data, so it is not a tape.",
      u"The last session's tape is left in %D/ecran.txt. This one will be saved in %D/ecran-nouveau.txt."}},
    // The language comes from the regional settings.
    {"UnreadableSettings", [](T& t, const QByteArray& langue) {
         ASSERT_TRUE(QDir(t.folder.path()).mkdir(u"params.txt"_s));
         t.start(langue == "EN" ? "en_US" : "fr_FR");
     },
     {u"%D/params.txt n'a pas pu être lu : les réglages par défaut sont utilisés."},
     {u"%D/params.txt could not be read, so the default settings are used."}},
    {"AutosaveFailsAtExit", [](T& t, const QByteArray& langue) {
         t.startIn(langue);
         QTest::keyClicks(t.window->focusWidget(), u"7"_s);
         ASSERT_TRUE(QDir(t.folder.path()).mkdir(u"ecran.txt"_s));
         t.window->close();
     },
     {u"Le ruban n'a pas pu être enregistré dans %D/ecran.txt : c'est un dossier, pas un fichier.\n\nFermer quand même ?"},
     {u"The tape could not be saved in %D/ecran.txt: it is a folder, not a file.\n\nClose anyway?"}},
    {"SettingsNotSaved", [](T& t, const QByteArray& langue) {
         t.startIn(langue);
         ASSERT_TRUE(QFile::remove(t.path(u"params.txt"_s)));
         ASSERT_TRUE(QDir(t.folder.path()).mkdir(u"params.txt"_s));
         t.window->SaveParams(QString::fromLatin1(langue), u"1"_s, u"0"_s, u"1"_s);
     },
     {u"Impossible d'enregistrer les paramètres dans %D/params.txt : c'est un dossier, pas un fichier."},
     {u"Cannot save the settings in %D/params.txt: it is a folder, not a file."}},
    {"TapeNotSaved", [](T& t, const QByteArray& langue) {
         t.startIn(langue);
         t.chooseInDialog(t.path(u"gone/tape.kvt"_s));
         t.window->Enregistrer_Click();
     },
     {u"Enregistrer", u"Impossible d'enregistrer %D/gone/tape.kvt : son dossier n'existe pas."},
     {u"Save", u"Cannot save %D/gone/tape.kvt: its folder does not exist."}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Window, MessageLanguage,
                         ::testing::Combine(::testing::ValuesIn(Cases),
                                            ::testing::Values(Langue{"FR"}, Langue{"EN"},
                                                              Langue{"ES"})),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + '_' +
                                    std::get<1>(info.param).name;
                         });

// An autosave that cannot be read is never written over: the session's tape goes
// beside it, and the old tape is still there for the user.
TEST_F(WindowTest, UnreadableAutosaveIsNeverWrittenOver)
{
    const QByteArray unreadable("0\t\t12\0\r\n", 8);
    writeFile(u"ecran.txt"_s, unreadable);
    start();
    QTest::keyClicks(window->focusWidget(), u"42"_s);
    window->close();
    EXPECT_EQ(readFile(u"ecran.txt"_s), unreadable);
    EXPECT_TRUE(readFile(u"ecran-nouveau.txt"_s).contains("\t42\r\n"));
}

// A disk that refuses the autosave at exit: the user is asked, and may stay to save
// the tape elsewhere.
TEST_F(WindowTest, FailedAutosaveAtExitAsksAndCanStay)
{
    start();
    QTest::keyClicks(window->focusWidget(), u"7"_s);
    const QString before = GetTapeText(window->tape());
    // A folder where the file should be makes every write fail, as a full disk would.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"ecran.txt"_s));
    window->close();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(GetTapeText(window->tape()), before);
    answer = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
}

class Terminate : public WindowTest {
protected:
    // terminate() keeps every later event loop from running, dialogs' included, until the
    // main loop runs again: a short run of it leaves the next tests as they would start.
    void TearDown() override
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }
};

// A signal while a message box waits at start-up saves the tape once it is in place,
// and never before: the last tape is still in the file until then.
TEST_F(Terminate, DuringAStartMessageSavesOnlyALoadedTape)
{
    whenTold = [this](const QString&) { window->terminate(); };
    writeFile(u"ecran.txt"_s, tapeFile({"\t5"}, true));
    writeFile(u"bad.kvt"_s, QByteArray("0\t\t1\0", 6));
    start("fr_FR", path(u"bad.kvt"_s));
    EXPECT_TRUE(window->terminated());
    EXPECT_EQ(readFile(u"ecran.txt"_s), tapeFile({"\t5,00"}, true));

    const QByteArray last = tapeFile({"\t8"}, true);
    writeFile(u"ecran.txt"_s, last);
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"params.txt"_s)); // told before the tape
    start();
    EXPECT_TRUE(window->terminated());
    EXPECT_EQ(readFile(u"ecran.txt"_s), last);
}

} // namespace
} // namespace talco::testing
