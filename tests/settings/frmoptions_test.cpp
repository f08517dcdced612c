// The options window beside a stand-in main window, on Qt's offscreen platform.

#include "settings/frmoptions.h"
#include "support/qstringprint.h"

#include "divers/beside.h"
#include "divers/imagelist.h"
#include "divers/picture.h"
#include "settings/params.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <ostream>

using namespace talco;

namespace {

// 2850 x 7000 twips, as the main window opens.
constexpr int MainWidth = 190;
constexpr int MainHeight = 467;

class Options : public ::testing::Test {
protected:
    QTemporaryDir folder;
    Settings settings;
    ImageList images;
    QWidget main{nullptr, Qt::Window | Qt::FramelessWindowHint};
    QPointer<frmOptions> options;
    int saves = 0;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        main.setGeometry(100, 120, MainWidth, MainHeight);
        main.show();
    }

    void TearDown() override { delete options; }

    void open(const char16_t* langue = u"FR", const char16_t* two = u"1",
              const char16_t* three = u"0", const char16_t* thousands = u"1")
    {
        settings = {QString::fromUtf16(langue), QString::fromUtf16(two), QString::fromUtf16(three),
                    QString::fromUtf16(thousands)};
        OptionsHost host{
            settings,
            [this](const QString& l, const QString& a, const QString& b, const QString& c) {
                ++saves;
                SaveParams(settings, folder.filePath(QStringLiteral("params.txt")), l, a, b, c);
            },
            images};
        options = new frmOptions(&main, host);
    }

    const frmOptions::Widgets& w() const { return options->widgets(); }

    // A click on the box itself, as the user makes it.
    static void click(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    QByteArray params() const
    {
        QFile file(folder.filePath(QStringLiteral("params.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The checks as "2 3 M", 1 for checked.
    QString checks() const
    {
        const auto v = [](const QCheckBox* b) { return b->isChecked() ? u'1' : u'0'; };
        return QString(v(w().Check2Chiffres)) + v(w().Check3Chiffres) + v(w().CheckMilliers);
    }
};

struct CaptionCase {
    const char* name;
    const char16_t* langue;
    const char16_t* two;
    const char16_t* three;
    const char16_t* thousands;
};

class OptionsCaptions : public Options, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(OptionsCaptions, FollowTheLanguageExamplesStayFrench)
{
    open(GetParam().langue);
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(w().Check2Chiffres->text(), QString::fromUtf16(GetParam().two));
    EXPECT_EQ(w().Check3Chiffres->text(), QString::fromUtf16(GetParam().three));
    EXPECT_EQ(w().CheckMilliers->text(), QString::fromUtf16(GetParam().thousands));
    EXPECT_EQ(w().Label4->text(), QStringLiteral("Exemple: 16,60"));
    EXPECT_EQ(w().Label1->text(), QStringLiteral("Exemple: 16,603"));
    EXPECT_EQ(w().Label5->text(), QStringLiteral("Exemple: 1 516,60"));
    EXPECT_EQ(checks(), QStringLiteral("101"));
    EXPECT_EQ(saves, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Langue, OptionsCaptions,
    ::testing::Values(CaptionCase{"FR", u"FR", u"2 chiffres après la virgule",
                                  u"3 chiffres après la virgule", u"Séparateur de milliers"},
                      CaptionCase{"EN", u"EN", u"2 decimal places", u"3 decimal places",
                                  u"Space separator for unit of thousand"},
                      // French only for exactly "FR".
                      CaptionCase{"LowerCaseFr", u"fr", u"2 decimal places", u"3 decimal places",
                                  u"Space separator for unit of thousand"}),
    [](const auto& info) { return std::string(info.param.name); });

// The English caption of the thousands separator is two lines long at the designed
// width: both lines are drawn, and a click on the second one toggles the box.
TEST_F(Options, LongCaptionWrapsInsideItsBoxAndTogglesItOnAClick)
{
    open(u"EN");
    QCheckBox* box = w().CheckMilliers;
    const QImage shown = box->grab().toImage();
    const auto lightRows = [&shown](int from, int to) {
        int light = 0;
        for (int y = from; y < to; ++y)
            for (int x = shown.width() / 6; x < shown.width(); ++x)
                light += qGray(shown.pixel(x, y)) > 128 ? 1 : 0;
        return light;
    };
    const int h = shown.height();
    EXPECT_GT(lightRows(0, h / 3), 0) << "no first line";
    EXPECT_GT(lightRows(2 * h / 3, h), 0) << "no second line";

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 10, box->height() - 4));
    EXPECT_EQ(checks(), QStringLiteral("100"));
    EXPECT_EQ(saves, 1);
}

TEST_F(Options, UncheckingTwoDecimalsChecksThreeAndSaves)
{
    open();
    click(w().Check2Chiffres);
    EXPECT_EQ(checks(), QStringLiteral("011"));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(params(), "LANGUE\tFR\r\n2CHIFFRES\t0\r\n3CHIFFRES\t1\r\nMILLIERS\t1\r\n");
    EXPECT_EQ(settings.G_3Chiffres, QStringLiteral("1"));

    click(w().Check2Chiffres);
    EXPECT_EQ(checks(), QStringLiteral("101"));
    EXPECT_EQ(params(), "LANGUE\tFR\r\n2CHIFFRES\t1\r\n3CHIFFRES\t0\r\nMILLIERS\t1\r\n");
}

TEST_F(Options, ThousandsWritesOnlyThatChange)
{
    open(u"EN", u"0", u"1", u"1");
    click(w().CheckMilliers);
    EXPECT_EQ(checks(), QStringLiteral("010"));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(params(), "LANGUE\tEN\r\n2CHIFFRES\t0\r\n3CHIFFRES\t1\r\nMILLIERS\t0\r\n");
}

struct LoadCase {
    const char* name;
    const char16_t* two;
    const char16_t* three;
    const char16_t* thousands;
    const char16_t* shown;
    bool clickThree; // else the two-decimals box
    const char16_t* after;
};

class OptionsLoad : public Options, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(OptionsLoad, ShowsSettingsAndFirstClickMakesExclusive)
{
    const LoadCase& c = GetParam();
    open(u"FR", c.two, c.three, c.thousands);
    EXPECT_EQ(checks(), QString::fromUtf16(c.shown));
    EXPECT_EQ(saves, 0);
    click(c.clickThree ? w().Check3Chiffres : w().Check2Chiffres);
    EXPECT_EQ(checks(), QString::fromUtf16(c.after));
    EXPECT_EQ(saves, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Loaded, OptionsLoad,
    ::testing::Values(LoadCase{"BothOnClickThree", u"1", u"1", u"1", u"111", true, u"101"},
                      LoadCase{"BothOnClickTwo", u"1", u"1", u"0", u"110", false, u"010"},
                      LoadCase{"BothOffClickTwo", u"0", u"0", u"1", u"001", false, u"101"},
                      LoadCase{"BothOffClickThree", u"0", u"0", u"0", u"000", true, u"010"},
                      LoadCase{"NotWholeNumbers", u"oui", u"1.5", u"", u"000", true, u"010"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Options, SizedToBackgroundBesideMain)
{
    open();
    const QRect fond = w().ImgFond->geometry();
    EXPECT_EQ(options->width(), fond.width() + 2); // 30 twips
    EXPECT_EQ(options->height(), fond.height());
    EXPECT_EQ(options->size(), QSize(190, 326)); // 2850 x 4890 twips
    EXPECT_EQ(options->pos(), QPoint(100 + MainWidth, 120));
}

struct RoomCase {
    const char* name;
    int fromRight; // main's left edge, in pixels left of the screen's right edge
    int mainLeftFromRight;
};

class OptionsRoom : public Options, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(OptionsRoom, MainMovesLeftOnlyWhenOptionsWouldLeaveTheScreen)
{
    const int screen = QGuiApplication::primaryScreen()->geometry().width();
    main.move(screen - GetParam().fromRight, 120);
    open();
    const QPoint placed = options->pos();
    MakeRoomBeside(&main, options);
    EXPECT_EQ(main.pos(), QPoint(screen - GetParam().mainLeftFromRight, 120));
    if (GetParam().fromRight > 2 * MainWidth)
        EXPECT_EQ(options->pos(), placed);
    else
        EXPECT_EQ(options->pos(), QPoint(screen - 190, 120)); // flush with the right edge
}

INSTANTIATE_TEST_SUITE_P(Placement, OptionsRoom,
                         ::testing::Values(RoomCase{"FarRight", 200, 380},
                                           RoomCase{"ExactlyEqual", 380, 380},
                                           RoomCase{"Room", 500, 500}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
