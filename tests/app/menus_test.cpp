// The help and about windows beside a stand-in main window, and the real main window
// printing.

#include "app/windowfixture.h"
#include "keypad/imagelist.h"
#include "widgets/beside.h"
#include "widgets/picture.h"
#include "windows/frmabout.h"
#include "windows/frmaide.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextBrowser>

using namespace talco;
using namespace Qt::StringLiterals;

namespace {

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

// On the page of its language, beside main; main moves left only when the help window
// would pass the screen's right edge. The browser's size never goes below zero in a
// window smaller than its margins.
TEST_F(Help, OpensBesideMainOnThePageOfItsLanguage)
{
    QTemporaryDir docs;
    ASSERT_TRUE(docs.isValid() && QDir(docs.path()).mkpath(u"Doc_Talco"_s));
    QFile page(docs.filePath(u"Doc_Talco/doc_EN.htm"_s));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly) && page.write("<p>page EN</p>") > 0);
    page.close();
    const int fits = QGuiApplication::primaryScreen()->geometry().width() - HelpWidth - MainWidth;
    for (const int left : {fits, fits + 1}) {
        SCOPED_TRACE(left);
        main.move(left, 40);
        auto* aide = new frmAide(&main, {QDir::tempPath() + u"/none"_s, docs.path()});
        aide->Initialisation(u"EN"_s);
        aide->Form_Load();
        MakeRoomBeside(&main, aide);
        EXPECT_EQ(aide->brwWebBrowser()->toPlainText(), u"page EN"_s);
        EXPECT_EQ(main.pos(), QPoint(fits, 40));
        EXPECT_EQ(aide->pos(), QPoint(fits + MainWidth, 40));
        EXPECT_EQ(aide->size(), QSize(HelpWidth, 501)); // 10000 twips wide, 7515 high as designed
        aide->show();
        aide->resize(5, 20);
        EXPECT_EQ(aide->brwWebBrowser()->size(), QSize(0, 0));
        delete aide;
    }
}

using About = Beside;

TEST_F(About, AddressAndGlobeEachOpenTheSiteOnce)
{
    int opened = 0;
    QPointer<frmAbout> about = new frmAbout(&main, images, u"EN"_s, [&opened] { ++opened; });
    QTest::mouseClick(about->widgets().SiteKorvelsoft, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    QTest::mouseClick(about->widgets().SiteInternet, Qt::LeftButton);
    EXPECT_EQ(opened, 2);
    QTest::mouseClick(about->widgets().Quitter, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

using Menus = talco::testing::WindowTest;

// A ticket that cannot be written stops the print with the reason; one written waits
// for its page, then the print tells there is no printer.
TEST_F(Menus, PrintWritesTheTicketThenPrintsOnceThePageIsThere)
{
    start();
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"ticket.htm"_s));
    window->Imprimer_Click();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(u"Erreur Impression : ")) << told[0].toStdString();
    EXPECT_FALSE(window->printPending());
    QTest::qWait(50);
    EXPECT_EQ(told.size(), 1);

    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer: the print dialog would wait for a user";
    told.clear();
    ASSERT_TRUE(QDir(folder.path()).rmdir(u"ticket.htm"_s));
    window->Imprimer_Click();
    EXPECT_TRUE(window->printPending());
    EXPECT_EQ(told, QStringList()); // the print waits for the page
    for (int i = 0; i < 100 && told.isEmpty(); ++i)
        QTest::qWait(10);
    EXPECT_EQ(told, QStringList{u"L'imprimante n'est pas disponible !!"_s});
    EXPECT_FALSE(window->printPending());
}

} // namespace
