// Choosing the language with the flags: params.txt, the captions and the option buttons.

#include "app/windowfixture.h"

#include "divers/imagelist.h"
#include "divers/picture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>

using namespace talco;
using namespace talco::testing;

namespace {

using namespace Qt::StringLiterals;

// The captions that show which language the window speaks.
void expectCaptions(const frmMain& w, bool english)
{
    const frmMain::Widgets& c = w.widgets();
    EXPECT_EQ(c.LabAbout->text(), english ? u"About"_s : u"A propos"_s);
    EXPECT_EQ(c.LabAide->text(), english ? u"Help"_s : u"Aide"_s);
    EXPECT_EQ(c.LabMessAide2->text(),
              english ? u"Modify any figure to recalculate values"_s
                      : u"Modifiez les valeurs; les résultats sont recalculés"_s);
    EXPECT_EQ(c.Ouvrir->toolTip(), english ? u"Open"_s : u"Ouvrir"_s);
    EXPECT_EQ(c.Enregistrer->toolTip(), english ? u"Save"_s : u"Sauvegarder"_s);
    EXPECT_EQ(c.OptionAnglais->isChecked(), english);
    EXPECT_EQ(c.OptionFrancais->isChecked(), !english);
}

QByteArray params(const char* langue, const char* deux, const char* trois, const char* milliers)
{
    return QByteArray("LANGUE\t") + langue + "\r\n2CHIFFRES\t" + deux + "\r\n3CHIFFRES\t" + trois +
           "\r\nMILLIERS\t" + milliers + "\r\n";
}

// ---- the flags -------------------------------------------------------------------------

struct FlagCase {
    const char* name;
    QByteArray before; // params.txt at start; empty: none
    QByteArray english;
    QByteArray french;
};

class Flags : public WindowTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(Flags, SaveTheLanguageAndRewriteTheCaptions)
{
    if (!GetParam().before.isEmpty())
        writeFile(u"params.txt"_s, GetParam().before);
    start();
    expectCaptions(*window, false);

    QTest::mouseClick(window->widgets().DrapeauAnglais, Qt::LeftButton);
    EXPECT_EQ(readFile(u"params.txt"_s), GetParam().english);
    EXPECT_EQ(window->settings().G_Langue, u"EN"_s);
    expectCaptions(*window, true);

    QTest::mouseClick(window->widgets().DrapeauFrancais, Qt::LeftButton);
    EXPECT_EQ(readFile(u"params.txt"_s), GetParam().french);
    EXPECT_EQ(window->settings().G_Langue, u"FR"_s);
    expectCaptions(*window, false);
}

INSTANTIATE_TEST_SUITE_P(
    Language, Flags,
    ::testing::Values(
        FlagCase{"NoSettingsFile", {}, params("EN", "1", "0", "1"), params("FR", "1", "0", "1")},
        FlagCase{"OtherSettingsKept", "LANGUE\tFR\n2CHIFFRES\t0\n3CHIFFRES\t1\n",
                 params("EN", "0", "1", "1"), params("FR", "0", "1", "1")}),
    [](const auto& info) { return std::string(info.param.name); });

struct FlagPictureCase {
    const char* name;
    Picture* frmMain::Widgets::*flag;
    const char16_t* picture;
};

class FlagPicture : public WindowTest, public ::testing::WithParamInterface<FlagPictureCase> {};

TEST_P(FlagPicture, PressedWhileHeld)
{
    start();
    Picture* flag = window->widgets().*GetParam().flag;
    const QString normal = QString::fromUtf16(GetParam().picture);
    ASSERT_NE(window->images().picture(normal + u"_on"_s), nullptr);
    EXPECT_EQ(flag->picture(), window->images().picture(normal));
    QTest::mousePress(flag, Qt::LeftButton);
    EXPECT_EQ(flag->picture(), window->images().picture(normal + u"_on"_s));
    QTest::mouseRelease(flag, Qt::LeftButton);
    EXPECT_EQ(flag->picture(), window->images().picture(normal));
}

INSTANTIATE_TEST_SUITE_P(
    Language, FlagPicture,
    ::testing::Values(FlagPictureCase{"French", &frmMain::Widgets::DrapeauFrancais, u"francais"},
                      FlagPictureCase{"English", &frmMain::Widgets::DrapeauAnglais, u"anglais"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the language read at start-up -----------------------------------------------------

struct StartCase {
    const char* name;
    const char* code;
    bool english;
};

class StartLanguage : public WindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartLanguage, SelectedWithoutRewritingTheFile)
{
    const QByteArray text = params(GetParam().code, "1", "0", "1");
    writeFile(u"params.txt"_s, text);
    const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile file(path(u"params.txt"_s));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    start();
    expectCaptions(*window, GetParam().english);
    EXPECT_EQ(readFile(u"params.txt"_s), text);
    EXPECT_EQ(QFileInfo(path(u"params.txt"_s)).lastModified(), old);
}

INSTANTIATE_TEST_SUITE_P(Language, StartLanguage,
                         ::testing::Values(StartCase{"English", "EN", true},
                                           StartCase{"LowerCase", "en", false},
                                           StartCase{"Unknown", "DE", false}),
                         [](const auto& info) { return std::string(info.param.name); });

class LanguageTest : public WindowTest {};

TEST_F(LanguageTest, ChoiceWhileBusySavesNothing)
{
    start();
    window->tape().entry().Busy = true;
    QTest::mouseClick(window->widgets().DrapeauAnglais, Qt::LeftButton);
    window->tape().entry().Busy = false;
    EXPECT_TRUE(window->widgets().OptionAnglais->isChecked());
    EXPECT_FALSE(QFile::exists(path(u"params.txt"_s)));
    EXPECT_EQ(window->settings().G_Langue, u"FR"_s);
    EXPECT_EQ(window->widgets().LabAbout->text(), u"A propos"_s);
}

} // namespace
