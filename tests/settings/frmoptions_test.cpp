// The options window beside a stand-in main window, on Qt's offscreen platform.

#include "settings/frmoptions.h"
#include "support/qstringprint.h"

#include "divers/imagelist.h"
#include "divers/picture.h"
#include "settings/params.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using namespace talco;

namespace {

using talco::testsupport::PrintTo;

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
        main.setGeometry(100, 120, 190, 467);
        main.show();
    }

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

    // The checks as "23M", 1 for checked.
    QByteArray checks() const
    {
        const auto v = [](const QCheckBox* b) { return b->isChecked() ? '1' : '0'; };
        return QByteArray(1, v(w().Check2Chiffres)) + v(w().Check3Chiffres) + v(w().CheckMilliers);
    }
};

// French only for exactly "FR"; the examples stay French.
TEST_F(Options, CaptionsFollowTheLanguageExamplesStayFrench)
{
    open(u"FR");
    EXPECT_EQ(w().Check2Chiffres->text(), QStringLiteral("2 chiffres après la virgule"));
    delete options;
    open(u"fr");
    EXPECT_EQ(w().Check2Chiffres->text(), QStringLiteral("2 decimal places"));
    EXPECT_EQ(w().Label5->text(), QStringLiteral("Exemple: 1 516,60"));
}

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
    EXPECT_EQ(checks(), "100");
    EXPECT_EQ(saves, 1);
}

struct LoadCase {
    const char* name;
    const char16_t* two;
    const char16_t* three;
    const char16_t* thousands;
    const char* shown;
    bool clickThree; // else the two-decimals box
    const char* after;
};

class OptionsLoad : public Options, public ::testing::WithParamInterface<LoadCase> {};

// Each click saves every setting as the boxes show them.
TEST_P(OptionsLoad, ShowsSettingsAndFirstClickMakesExclusiveAndSaves)
{
    const LoadCase& c = GetParam();
    open(u"FR", c.two, c.three, c.thousands);
    EXPECT_EQ(checks(), c.shown);
    EXPECT_EQ(saves, 0);
    click(c.clickThree ? w().Check3Chiffres : w().Check2Chiffres);
    const QByteArray after = checks();
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(params(), "LANGUE\tFR\r\n2CHIFFRES\t" + after.left(1) + "\r\n3CHIFFRES\t" +
                            after.mid(1, 1) + "\r\nMILLIERS\t" + after.right(1) + "\r\n");
    EXPECT_EQ(settings.G_3Chiffres, QString::fromLatin1(after.mid(1, 1)));
}

INSTANTIATE_TEST_SUITE_P(
    Loaded, OptionsLoad,
    ::testing::Values(LoadCase{"DefaultsClickTwo", u"1", u"0", u"1", "101", false, "011"},
                      LoadCase{"BothOnClickThree", u"1", u"1", u"1", "111", true, "101"},
                      LoadCase{"BothOffClickTwo", u"0", u"0", u"1", "001", false, "101"},
                      LoadCase{"NotWholeNumbers", u"oui", u"1.5", u"", "000", true, "010"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
