// What the window says of its own, about files it cannot read or write, speaks the
// interface's language: English when the language setting is "EN", French under "FR" and
// under any other setting.

#include "support/qstringprint.h"
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

enum class Trouble {
    BinaryTape,         // named on the command line
    HugeTape,           // named on the command line
    UnreadableAutosave, // at start-up
    UnreadableSettings, // at start-up: the language comes from the regional settings
    AutosaveFailsAtExit,
    SettingsNotSaved,
    TapeNotSaved, // through the Save button's dialog
};

struct Case {
    const char* name;
    Trouble trouble;
    // The dialog's title if any, the messages, then the question; %D is the window's folder.
    std::vector<const char16_t*> french;
    std::vector<const char16_t*> english;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class MessageLanguage : public WindowTest,
                        public ::testing::WithParamInterface<std::tuple<Case, const char*>> {
protected:
    QStringList titles; // of the file dialogs shown

    void startIn(const char* langue, const QString& fichierIn = QString())
    {
        writeFile(QStringLiteral("params.txt"), QByteArray("LANGUE\t") + langue + "\r\n");
        start("fr_FR", fichierIn);
    }

    // Answers the next file dialog with path, once it is shown, noting its title.
    void chooseInDialog(const QString& chosen)
    {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, chosen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name =
                dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
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

    void cause(Trouble trouble, const char* langue)
    {
        const QString bad = path(QStringLiteral("bad.kvt"));
        switch (trouble) {
        case Trouble::BinaryTape:
            writeFile(QStringLiteral("bad.kvt"), QByteArray("0\t\t1\0\r\n", 7));
            startIn(langue, bad);
            break;
        case Trouble::HugeTape: {
            QFile big(bad); // sparse: the size is there, the disk blocks are not
            ASSERT_TRUE(big.open(QIODevice::WriteOnly));
            ASSERT_TRUE(big.resize(qint64(1) << 30));
            big.close();
            startIn(langue, bad);
            break;
        }
        case Trouble::UnreadableAutosave:
            writeFile(QStringLiteral("ecran.txt"), QByteArray("0\t\t12\0\r\n", 8));
            startIn(langue);
            break;
        case Trouble::UnreadableSettings:
            ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("params.txt")));
            start(qstrcmp(langue, "EN") == 0 ? "en_US" : "fr_FR");
            break;
        case Trouble::AutosaveFailsAtExit:
            startIn(langue);
            QTest::keyClicks(window->focusWidget(), QStringLiteral("7"));
            ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ecran.txt")));
            answer = true;
            window->close();
            break;
        case Trouble::SettingsNotSaved:
            startIn(langue);
            ASSERT_TRUE(QFile::remove(path(QStringLiteral("params.txt"))));
            ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("params.txt")));
            window->SaveParams(QString::fromLatin1(langue), QStringLiteral("1"),
                               QStringLiteral("0"), QStringLiteral("1"));
            break;
        case Trouble::TapeNotSaved:
            startIn(langue);
            chooseInDialog(path(QStringLiteral("gone/tape.kvt")));
            window->Enregistrer_Click();
            break;
        }
    }
};

TEST_P(MessageLanguage, SpeaksTheInterfaceLanguage)
{
    const auto& [c, langue] = GetParam();
    ASSERT_NO_FATAL_FAILURE(cause(c.trouble, langue));
    QStringList expected;
    for (const char16_t* text : qstrcmp(langue, "EN") == 0 ? c.english : c.french)
        expected << QString::fromUtf16(text).replace(QStringLiteral("%D"), folder.path());
    EXPECT_EQ((titles + told + asked).join(u'\n'), expected.join(u'\n'));
}

// clang-format off
const Case Cases[] = {
    {"BinaryTape", Trouble::BinaryTape,
     {u"Impossible d'ouvrir %D/bad.kvt : le fichier contient des données binaires, ce n'est donc pas un ruban."},
     {u"Cannot open %D/bad.kvt: the file holds binary data, so it is not a tape."}},
    {"HugeTape", Trouble::HugeTape,
     {u"Impossible d'ouvrir %D/bad.kvt : le fichier est trop volumineux pour être un ruban (1073741824 octets)."},
     {u"Cannot open %D/bad.kvt: the file is too large to be a tape (1073741824 bytes)."}},
    {"UnreadableAutosave", Trouble::UnreadableAutosave,
     {u"Impossible d'ouvrir %D/ecran.txt : le fichier contient des données binaires, ce n'est donc pas un ruban.",
      u"Le ruban de la dernière session est laissé dans %D/ecran.txt. Celui-ci sera enregistré dans %D/ecran-nouveau.txt."},
     {u"Cannot open %D/ecran.txt: the file holds binary data, so it is not a tape.",
      u"The last session's tape is left in %D/ecran.txt. This one will be saved in %D/ecran-nouveau.txt."}},
    {"UnreadableSettings", Trouble::UnreadableSettings,
     {u"%D/params.txt n'a pas pu être lu : les réglages par défaut sont utilisés."},
     {u"%D/params.txt could not be read, so the default settings are used."}},
    {"AutosaveFailsAtExit", Trouble::AutosaveFailsAtExit,
     {u"Le ruban n'a pas pu être enregistré dans %D/ecran.txt : c'est un dossier, pas un fichier.\n\nFermer quand même ?"},
     {u"The tape could not be saved in %D/ecran.txt: it is a folder, not a file.\n\nClose anyway?"}},
    {"SettingsNotSaved", Trouble::SettingsNotSaved,
     {u"Impossible d'enregistrer les paramètres dans %D/params.txt : c'est un dossier, pas un fichier."},
     {u"Cannot save the settings in %D/params.txt: it is a folder, not a file."}},
    {"TapeNotSaved", Trouble::TapeNotSaved,
     {u"Enregistrer", u"Impossible d'enregistrer %D/gone/tape.kvt : son dossier n'existe pas."},
     {u"Save", u"Cannot save %D/gone/tape.kvt: its folder does not exist."}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Window, MessageLanguage,
                         ::testing::Combine(::testing::ValuesIn(Cases),
                                            ::testing::Values("FR", "EN", "ES")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + '_' +
                                    std::get<1>(info.param);
                         });

} // namespace
} // namespace talco::testing
