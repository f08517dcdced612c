// Hostile files and failed writes: each leaves the program running and the tape as it
// was, and tells the user why in the interface's language: English when the language
// setting is "EN", French under "FR" and under any other setting.

#include "windowfixture.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <string>
#include <vector>

namespace talco::testing {
namespace {

using talco::testsupport::PrintTo;
using namespace std::string_literals;

class MessageLanguage;

struct Case {
    const char* name;
    void (*cause)(MessageLanguage&, const QByteArray& langue);
    // The dialog's title if any, the messages, then the questions; %D is the window's folder.
    std::vector<const char16_t*> french;
    // Checked for a few messages only: one switch chooses the language for them all.
    std::vector<const char16_t*> english = {};
};

struct Row {
    std::string name;
    const Case* c;
    QByteArray langue;
};

class MessageLanguage : public WindowTest, public ::testing::WithParamInterface<Row> {
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
    const Row& row = GetParam();
    ASSERT_NO_FATAL_FAILURE(row.c->cause(*this, row.langue));
    QStringList expected;
    for (const char16_t* text : row.langue == "EN" ? row.c->english : row.c->french)
        expected << QString::fromUtf16(text).replace(u"%D"_s, folder.path());
    EXPECT_EQ((titles + told + asked).join(u'\n'), expected.join(u'\n'));
}

using T = MessageLanguage;

// clang-format off
const Case Cases[] = {
    {"BinaryTape", [](T& t, const QByteArray& langue) {
         t.writeFile(u"bad.kvt"_s, QByteArray("0\t\t1\0\r\n", 7));
         t.startIn(langue, t.path(u"bad.kvt"_s));
     },
     {u"Impossible d'ouvrir %D/bad.kvt : le fichier contient des données binaires, ce n'est donc pas un ruban."}},
    // An autosave that cannot be read is never written over: the session's tape goes
    // beside it, and the old tape is still there for the user.
    {"UnreadableAutosave", [](T& t, const QByteArray& langue) {
         const QByteArray unreadable("0\t\t12\0\r\n", 8);
         t.writeFile(u"ecran.txt"_s, unreadable);
         t.startIn(langue);
         QTest::keyClicks(t.window->focusWidget(), u"42"_s);
         t.window->close();
         EXPECT_EQ(t.readFile(u"ecran.txt"_s), unreadable);
         EXPECT_TRUE(t.readFile(u"ecran-nouveau.txt"_s).contains("\t42\r\n"));
     },
     {u"Impossible d'ouvrir %D/ecran.txt : le fichier contient des données binaires, ce n'est donc pas un ruban.",
      u"Le ruban de la dernière session est laissé dans %D/ecran.txt. Celui-ci sera enregistré dans %D/ecran-nouveau.txt."}},
    // The language comes from the regional settings.
    {"UnreadableSettings", [](T& t, const QByteArray& langue) {
         ASSERT_TRUE(QDir(t.folder.path()).mkdir(u"params.txt"_s));
         t.start(langue == "EN" ? "en_US" : "fr_FR");
     },
     {u"%D/params.txt n'a pas pu être lu : les réglages par défaut sont utilisés."},
     {u"%D/params.txt could not be read, so the default settings are used."}},
    // A folder where the file should be makes every write fail, as a full disk would: the
    // user may stay, to save the tape elsewhere, or close all the same.
    {"AutosaveFailsAtExit", [](T& t, const QByteArray& langue) {
         t.startIn(langue);
         QTest::keyClicks(t.window->focusWidget(), u"7"_s);
         ASSERT_TRUE(QDir(t.folder.path()).mkdir(u"ecran.txt"_s));
         t.window->close();
         EXPECT_TRUE(t.window->isVisible());
         t.answer = true;
         t.window->close();
         EXPECT_FALSE(t.window->isVisible());
     },
     {u"Le ruban n'a pas pu être enregistré dans %D/ecran.txt : c'est un dossier, pas un fichier.\n\nFermer quand même ?",
      u"Le ruban n'a pas pu être enregistré dans %D/ecran.txt : c'est un dossier, pas un fichier.\n\nFermer quand même ?"}},
    {"SettingsNotSaved", [](T& t, const QByteArray& langue) {
         t.startIn(langue);
         ASSERT_TRUE(QFile::remove(t.path(u"params.txt"_s)));
         ASSERT_TRUE(QDir(t.folder.path()).mkdir(u"params.txt"_s));
         t.window->SaveParams(QString::fromLatin1(langue), u"1"_s, u"0"_s, u"1"_s);
     },
     {u"Impossible d'enregistrer les paramètres dans %D/params.txt : c'est un dossier, pas un fichier."}},
    {"TapeNotSaved", [](T& t, const QByteArray& langue) {
         t.startIn(langue);
         t.chooseInDialog(t.path(u"gone/tape.kvt"_s));
         t.window->Enregistrer_Click();
     },
     {u"Enregistrer", u"Impossible d'enregistrer %D/gone/tape.kvt : son dossier n'existe pas."},
     {u"Save", u"Cannot save %D/gone/tape.kvt: its folder does not exist."}},
};
// clang-format on

// Every message under "FR"; under "EN" those with an English text; and one under another
// setting, which speaks French.
std::vector<Row> rows()
{
    std::vector<Row> out;
    for (const Case& c : Cases) {
        out.push_back({c.name + "_FR"s, &c, "FR"});
        if (!c.english.empty())
            out.push_back({c.name + "_EN"s, &c, "EN"});
    }
    out.push_back({"SettingsNotSaved_ES", &Cases[4], "ES"});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Window, MessageLanguage, ::testing::ValuesIn(rows()), RowName);

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

// Even the message about the settings, found first, waits until the tape is in place: a
// signal while it shows saves the last session's tape, never an empty one.
TEST_F(Terminate, DuringAStartMessageSavesTheLastTape)
{
    whenTold = [this](const QString&) { window->terminate(); };
    writeFile(u"ecran.txt"_s, tapeFile({"\t8"}, true));
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"params.txt"_s));
    start();
    EXPECT_TRUE(window->terminated());
    EXPECT_TRUE(readFile(u"ecran.txt"_s).startsWith("0\t\t8,00\r\n1\t\t\r\n"));
}

} // namespace
} // namespace talco::testing
