// The help and about windows beside a stand-in main window, and the real main window
// opening its secondary windows and printing.

#include "app/windowfixture.h"
#include "divers/beside.h"
#include "divers/imagelist.h"
#include "divers/picture.h"
#include "files/ansi.h"
#include "files/ticket.h"
#include "windows/frmabout.h"
#include "windows/frmaide.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

using namespace talco;

namespace {

constexpr int MainWidth = 190; // 2850 twips
constexpr int HelpWidth = 667; // 10000 twips

int screenWidth()
{
    return QGuiApplication::primaryScreen()->geometry().width();
}

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

TEST_F(Help, BesideMainWithThePageOfItsLanguage)
{
    QTemporaryDir empty;
    QTemporaryDir docs;
    ASSERT_TRUE(docs.isValid() && empty.isValid());
    ASSERT_TRUE(QDir(docs.path()).mkpath(QStringLiteral("Doc_Talco")));
    for (const char* langue : {"FR", "EN"}) {
        QFile page(
            docs.filePath(QStringLiteral("Doc_Talco/doc_%1.htm").arg(QLatin1String(langue))));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(QByteArray("<p>page ") + langue + "</p>");
    }
    QPointer<frmAide> aide = new frmAide(&main, {empty.path(), docs.path()});
    aide->Initialisation(QStringLiteral("EN"));
    aide->Form_Load();
    EXPECT_EQ(aide->brwWebBrowser()->source(),
              QUrl::fromLocalFile(docs.filePath(QStringLiteral("Doc_Talco/doc_EN.htm"))));
    EXPECT_EQ(aide->brwWebBrowser()->toPlainText(), QStringLiteral("page EN"));
    EXPECT_EQ(aide->windowTitle(), QStringLiteral("Documentation"));
    EXPECT_EQ(aide->pos(), QPoint(60 + MainWidth, 40));
    EXPECT_EQ(aide->size(), QSize(HelpWidth, 501)); // 10000 twips wide, 7515 high as designed
}

TEST_F(Help, BrowserFollowsTheWindowNeverBelowZero)
{
    QPointer<frmAide> aide = new frmAide(&main, {});
    aide->Form_Load();
    aide->show();
    // 8000 x 6000 twips; the window is 533 px (7995 twips) wide, as pixels are whole.
    aide->resize(533, 400);
    EXPECT_EQ(aide->brwWebBrowser()->geometry(), QRect(0, 0, 526, 367)); // 7895 x 5500 twips
    aide->resize(5, 20);
    EXPECT_EQ(aide->brwWebBrowser()->size(), QSize(0, 0));
}

struct RoomCase {
    const char* name;
    int over; // L + W + A - S, in pixels
    bool moves;
};

class HelpRoom : public Beside, public ::testing::WithParamInterface<RoomCase> {};

// The secondary window is the help window's width, on the offscreen screen.
TEST_P(HelpRoom, MainMovesLeftOnlyWhenStrictlyTooFarRight)
{
    const int S = screenWidth();
    const int left = S - HelpWidth - MainWidth + GetParam().over;
    main.move(left, 40);
    QPointer<frmAide> aide = new frmAide(&main, {});
    aide->Form_Load();
    MakeRoomBeside(&main, aide);
    if (GetParam().moves) {
        EXPECT_EQ(main.pos(), QPoint(S - HelpWidth - MainWidth, 40));
        EXPECT_EQ(aide->pos(), QPoint(S - HelpWidth, 40));
    } else {
        EXPECT_EQ(main.pos(), QPoint(left, 40));
        EXPECT_EQ(aide->pos(), QPoint(left + MainWidth, 40));
    }
    EXPECT_EQ(aide->width(), HelpWidth);
}

INSTANTIATE_TEST_SUITE_P(Placement, HelpRoom,
                         ::testing::Values(RoomCase{"Room", -100, false},
                                           RoomCase{"ExactlyEqual", 0, false},
                                           RoomCase{"OnePixelOver", 1, true},
                                           RoomCase{"FarRight", 400, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AboutCase {
    const char* name;
    const char16_t* langue;
    const char16_t* caption;
    const char16_t* version;
};

class AboutLanguage : public Beside, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutLanguage, CaptionAndVersionLine)
{
    QPointer<frmAbout> about =
        new frmAbout(&main, images, QString::fromUtf16(GetParam().langue), {});
    EXPECT_EQ(about->windowTitle(), QString::fromUtf16(GetParam().caption));
    EXPECT_EQ(about->widgets().Version->text(), QString::fromUtf16(GetParam().version));
}

INSTANTIATE_TEST_SUITE_P(Langue, AboutLanguage,
                         ::testing::Values(AboutCase{"FR", u"FR", u"A propos", u"Version 3.0.7"},
                                           AboutCase{"EN", u"EN", u"About", u"Release 3.0.7"},
                                           // English only for exactly "EN".
                                           AboutCase{"LowerCaseEn", u"en", u"A propos",
                                                     u"Version 3.0.7"}),
                         [](const auto& info) { return std::string(info.param.name); });

using About = Beside;

TEST_F(About, SizedToBackgroundBesideMain)
{
    QPointer<frmAbout> about = new frmAbout(&main, images, QStringLiteral("FR"), {});
    const QRect fond = about->widgets().ImgFond->geometry();
    EXPECT_EQ(about->width(), fond.width() + 2); // 30 twips
    EXPECT_EQ(about->height(), fond.height());
    EXPECT_EQ(about->pos(), QPoint(60 + MainWidth, 40));
}

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
    EXPECT_EQ(options->pos(), QPoint(window->x() + window->width(), window->y()));
    QCheckBox* three = options->widgets().Check3Chiffres;
    QTest::mouseClick(three, Qt::LeftButton, {}, QPoint(8, three->height() / 2));
    EXPECT_EQ(window->settings().G_3Chiffres, QStringLiteral("1"));
    EXPECT_EQ(window->settings().G_2Chiffres, QStringLiteral("0"));
    EXPECT_EQ(readFile(QStringLiteral("params.txt")),
              "LANGUE\tFR\r\n2CHIFFRES\t0\r\n3CHIFFRES\t1\r\nMILLIERS\t1\r\n");
    // The sample tape's result, printed with three decimals.
    EXPECT_TRUE(BuildTicket(window->tape()).contains(QStringLiteral("15\u00A0909,030")));
}

TEST_F(Menus, PrintWritesTheTicketThenTellsThereIsNoPrinter)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer: the print dialog would wait for a user";
    start();
    window->Imprimer_Click();
    EXPECT_TRUE(hintsHidden());
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
