// The options window beside a stand-in main window, on Qt's offscreen platform.

#include "settings/frmoptions.h"

#include "keypad/imagelist.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTest>

using namespace talco;

namespace {

using namespace Qt::StringLiterals;

// Whether a box's caption is drawn on two lines: light pixels right of the box's first
// sixth, in its first third and in its last.
bool twoLines(QWidget* box)
{
    const QImage shown = box->grab().toImage();
    const auto light = [&shown](int from, int to) {
        for (int y = from; y < to; ++y)
            for (int x = shown.width() / 6; x < shown.width(); ++x)
                if (qGray(shown.pixel(x, y)) > 128)
                    return true;
        return false;
    };
    return light(0, shown.height() / 3) && light(2 * shown.height() / 3, shown.height());
}

// Captions are French only for exactly "FR", the examples always; the long English caption
// of the thousands separator wraps onto both lines of its box. A click anywhere on a box,
// its caption's last line included, toggles it; the decimals boxes exclude each other, and
// each click saves every setting as the boxes show them.
TEST(Options, ShowsTheSettingsInTheirLanguageAndEachClickSavesAtOnce)
{
    using W = frmOptions::Widgets;
    // The settings loaded, whether the captions are French, the boxes shown as "23M", the
    // box clicked, the boxes after.
    const struct {
        Settings loaded;
        bool french;
        QString shown;
        QCheckBox* W::*click;
        QString after;
    } cases[] = {
        // clang-format off
        {{}, true, u"101"_s, &W::Check2Chiffres, u"011"_s},
        {{.G_3Chiffres = u"1"_s}, true, u"111"_s, &W::Check3Chiffres, u"101"_s},
        {{.G_2Chiffres = u"0"_s}, true, u"001"_s, &W::Check2Chiffres, u"101"_s},
        {{.G_2Chiffres = u"oui"_s, .G_3Chiffres = u"1.5"_s, .G_Milliers = {}},
         true, u"000"_s, &W::Check3Chiffres, u"010"_s},
        {{.G_Langue = u"fr"_s}, false, u"101"_s, &W::CheckMilliers, u"100"_s},
        // clang-format on
    };
    ImageList images;
    QWidget main{nullptr, Qt::Window | Qt::FramelessWindowHint};
    for (const auto& c : cases) {
        SCOPED_TRACE((c.shown + c.after).toStdString());
        Settings settings = c.loaded;
        QStringList saved;
        const auto save = [&saved](const QString& l, const QString& a, const QString& b,
                                   const QString& m) { saved << l + a + b + m; };
        frmOptions options(&main, {settings, save, images});
        const W& w = options.widgets();
        const auto checks = [&w] {
            QString shown;
            for (const QCheckBox* b : {w.Check2Chiffres, w.Check3Chiffres, w.CheckMilliers})
                shown += b->isChecked() ? u'1' : u'0';
            return shown;
        };
        EXPECT_EQ(w.Check2Chiffres->text(),
                  c.french ? u"2 chiffres après la virgule"_s : u"2 decimal places"_s);
        EXPECT_EQ(w.Label5->text(), u"Exemple: 1 516,60"_s);
        EXPECT_TRUE(c.french || twoLines(w.CheckMilliers));
        EXPECT_EQ(checks(), c.shown);
        QCheckBox* box = w.*c.click;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 10, box->height() - 4));
        EXPECT_EQ(checks(), c.after);
        EXPECT_EQ(saved, QStringList{c.loaded.G_Langue + c.after});
    }
}

} // namespace
