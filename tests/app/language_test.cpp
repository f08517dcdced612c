// Choosing the language with the flags or params.txt: the file, the captions and the option
// buttons.

#include "app/windowfixture.h"

#include "widgets/picture.h"

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
    EXPECT_EQ(c.LabMessAide2->text(),
              english ? u"Modify any figure to recalculate values"_s
                      : u"Modifiez les valeurs; les résultats sont recalculés"_s);
    EXPECT_EQ(c.Ouvrir->toolTip(), english ? u"Open (Ctrl+O)"_s : u"Ouvrir (Ctrl+O)"_s);
    EXPECT_EQ(c.OptionAnglais->isChecked(), english);
    EXPECT_EQ(c.OptionFrancais->isChecked(), !english);
}

QByteArray params(const char* langue, const char* deux, const char* trois, const char* milliers)
{
    return QByteArray("LANGUE\t") + langue + "\r\n2CHIFFRES\t" + deux + "\r\n3CHIFFRES\t" + trois +
           "\r\nMILLIERS\t" + milliers + "\r\n";
}

class LanguageTest : public WindowTest {};

// The other settings in params.txt are kept.
TEST_F(LanguageTest, FlagsSaveTheLanguageAndRewriteTheCaptions)
{
    writeFile(u"params.txt"_s, "LANGUE\tFR\n2CHIFFRES\t0\n3CHIFFRES\t1\n");
    start();
    expectCaptions(*window, false);

    QTest::mouseClick(window->widgets().DrapeauAnglais, Qt::LeftButton);
    EXPECT_EQ(readFile(u"params.txt"_s), params("EN", "0", "1", "1"));
    EXPECT_EQ(window->settings().G_Langue, u"EN"_s);
    expectCaptions(*window, true);

    QTest::mouseClick(window->widgets().DrapeauFrancais, Qt::LeftButton);
    EXPECT_EQ(readFile(u"params.txt"_s), params("FR", "0", "1", "1"));
    EXPECT_EQ(window->settings().G_Langue, u"FR"_s);
    expectCaptions(*window, false);
}

// The number options in the file format the tape from the start.
TEST_F(LanguageTest, EnglishAndNumberOptionsFromParamsWithoutRewritingTheFile)
{
    const QByteArray text = params("EN", "0", "1", "0");
    writeFile(u"params.txt"_s, text);
    const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile file(path(u"params.txt"_s));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    start();
    expectCaptions(*window, true);
    EXPECT_EQ(window->tape().Nombre(3).text, u"15909,030"_s);
    EXPECT_EQ(readFile(u"params.txt"_s), text);
    EXPECT_EQ(QFileInfo(path(u"params.txt"_s)).lastModified(), old);
}

} // namespace
