// The help and about windows beside a stand-in main window, and the real main window
// opening its secondary windows and printing.

#include "app/windowfixture.h"
#include "divers/ansi.h"
#include "files/ticket.h"
#include "keypad/imagelist.h"
#include "support/qstringprint.h"
#include "widgets/beside.h"
#include "widgets/picture.h"
#include "windows/frmabout.h"
#include "windows/frmaide.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextBrowser>

using namespace talco;

namespace {

using talco::testsupport::PrintTo;

constexpr int MainWidth = 190; // 2850 twips
constexpr int HelpWidth = 667; // 10000 twips

class Beside : public ::testing::Test {
protected:
    QWidget main{nullptr, Qt::Window | Qt::FramelessWindowHint};
    ImageList images;

    void SetUp() override
    {
        main.setGeometry(60, 40, MainWidth, 467);
        main.show();
    }
};

using Help = Beside;

// The browser fills the window but for a margin, never below zero.
TEST_F(Help, OpensBesideMainOnThePageOfItsLanguage)
{
    QTemporaryDir empty;
    QTemporaryDir docs;
    ASSERT_TRUE(docs.isValid() && empty.isValid());
    ASSERT_TRUE(QDir(docs.path()).mkpath(QStringLiteral("Doc_Talco")));
    QFile page(docs.filePath(QStringLiteral("Doc_Talco/doc_EN.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p>page EN</p>");
    page.close();
    QPointer<frmAide> aide = new frmAide(&main, {empty.path(), docs.path()});
    aide->Initialisation(QStringLiteral("EN"));
    aide->Form_Load();
    EXPECT_EQ(aide->brwWebBrowser()->toPlainText(), QStringLiteral("page EN"));
    EXPECT_EQ(aide->pos(), QPoint(60 + MainWidth, 40));
    EXPECT_EQ(aide->size(), QSize(HelpWidth, 501)); // 10000 twips wide, 7515 high as designed

    aide->show();
    // 8000 x 6000 twips; the window is 533 px (7995 twips) wide, as pixels are whole.
    aide->resize(533, 400);
    EXPECT_EQ(aide->brwWebBrowser()->geometry(), QRect(0, 0, 526, 367)); // 7895 x 5500 twips
    aide->resize(5, 20);
    EXPECT_EQ(aide->brwWebBrowser()->size(), QSize(0, 0));
}

// The help window's width, on the offscreen screen: main moves left only when the help
// window would pass the screen's right edge.
TEST_F(Help, MainMovesLeftOnlyWhenTooFarRight)
{
    const int fits = QGuiApplication::primaryScreen()->geometry().width() - HelpWidth - MainWidth;
    for (const int over : {-100, 1}) {
        SCOPED_TRACE(over);
        main.move(fits + over, 40);
        QPointer<frmAide> aide = new frmAide(&main, {});
        aide->Form_Load();
        MakeRoomBeside(&main, aide);
        const int left = over > 0 ? fits : fits + over;
        EXPECT_EQ(main.pos(), QPoint(left, 40));
        EXPECT_EQ(aide->pos(), QPoint(left + MainWidth, 40));
        EXPECT_EQ(aide->width(), HelpWidth);
        delete aide;
    }
}

struct AboutCase {
    const char* name;
    const char16_t* langue;
    const char16_t* caption;
    const char16_t* version; // the version line's first word
};

class AboutLanguage : public Beside, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutLanguage, CaptionVersionLineAndPlaceBesideMain)
{
    QPointer<frmAbout> about =
        new frmAbout(&main, images, QString::fromUtf16(GetParam().langue), {});
    EXPECT_EQ(about->windowTitle(), QString::fromUtf16(GetParam().caption));
    EXPECT_TRUE(
        about->widgets().Version->text().startsWith(QString::fromUtf16(GetParam().version)));
    const QRect fond = about->widgets().ImgFond->geometry();
    EXPECT_EQ(about->size(), QSize(fond.width() + 2, fond.height())); // 30 twips wider
    EXPECT_EQ(about->pos(), QPoint(60 + MainWidth, 40));
}

INSTANTIATE_TEST_SUITE_P(Langue, AboutLanguage,
                         ::testing::Values(AboutCase{"EN", u"EN", u"About", u"Release "},
                                           // English only for exactly "EN".
                                           AboutCase{"LowerCaseEn", u"en", u"A propos",
                                                     u"Version "}),
                         [](const auto& info) { return std::string(info.param.name); });

using About = Beside;

TEST_F(About, AddressAndGlobeEachOpenTheSiteOnce)
{
    int opened = 0;
    QPointer<frmAbout> about =
        new frmAbout(&main, images, QStringLiteral("EN"), [&opened] { ++opened; });
    QTest::mouseClick(about->widgets().SiteKorvelsoft, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    QTest::mouseClick(about->widgets().SiteInternet, Qt::LeftButton);
    EXPECT_EQ(opened, 2);
    QTest::mouseClick(about->widgets().Quitter, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(opened, 2);
}

using Menus = talco::testing::WindowTest;

TEST_F(Menus, OptionsClickSavesAndTheTicketFollows)
{
    start();
    window->LabOptions_Click();
    frmOptions* options = window->optionsWindow();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->geometry(), QRect(window->x() + window->width(), window->y(), 190, 326));
    QCheckBox* three = options->widgets().Check3Chiffres;
    QTest::mouseClick(three, Qt::LeftButton, {}, QPoint(8, three->height() / 2));
    EXPECT_TRUE(readFile(QStringLiteral("params.txt")).contains("3CHIFFRES\t1\r\n"));
    // The sample tape's result, printed with three decimals.
    EXPECT_TRUE(BuildTicket(window->tape()).contains(QStringLiteral("15\u00A0909,030")));
}

TEST_F(Menus, PrintWritesTheTicketThenTellsThereIsNoPrinter)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer: the print dialog would wait for a user";
    start();
    window->Imprimer_Click();
    EXPECT_EQ(readFile(QStringLiteral("ticket.htm")), toAnsi(BuildTicket(window->tape())));
    EXPECT_TRUE(window->printPending());
    EXPECT_EQ(told, QStringList()); // the print waits for the page
    for (int i = 0; i < 100 && told.isEmpty(); ++i)
        QTest::qWait(10);
    EXPECT_EQ(told, QStringList{QStringLiteral("L'imprimante n'est pas disponible !!")});
    EXPECT_FALSE(window->printPending());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Menus, UnwritableTicketStopsThePrint)
{
    start();
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ticket.htm")));
    window->Imprimer_Click();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(u"Erreur Impression : ")) << told[0].toStdString();
    EXPECT_FALSE(window->printPending());
    QTest::qWait(50);
    EXPECT_EQ(told.size(), 1);
}

} // namespace
