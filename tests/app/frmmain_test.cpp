// The real main window: start-up, shutdown, settings, keys typed into its cells and
// the mouse wheel over its tape.

#include "app/windowfixture.h"

#include "divers/picture.h"
#include "keypad/keypadpanel.h"

#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

using namespace talco;
using namespace talco::testing;

namespace {

constexpr QChar Nbsp(0x00A0);

// The screen's text of row i, operator and number, as "op|number".
QString shownRow(frmMain& w, int i)
{
    TapeView& view = w.view();
    return view.cell(CellId::Op(i))->text() + u'|' + view.cell(CellId::Nombre(i))->text();
}

QString nbsp(const char16_t* text)
{
    return QString::fromUtf16(text).replace(u'_', Nbsp);
}

// ---- first start ------------------------------------------------------------------

struct SampleCase {
    const char* name;
    const char* locale;
    const char16_t* rows[4]; // "op|number", '_' standing for the French group separator
};

class FirstStart : public WindowTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(FirstStart, ShowsTheSampleTapeAndTheHints)
{
    start(GetParam().locale);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(shownRow(*window, i), nbsp(GetParam().rows[i])) << "row " << i;
    EXPECT_EQ(shownRow(*window, 4), QStringLiteral("|"));

    // The total is a result: bold and orange; the figures are not.
    EXPECT_TRUE(nombre(3)->font().bold());
    EXPECT_EQ(nombre(3)->palette().color(QPalette::Text), QColor(255, 128, 0));
    EXPECT_FALSE(nombre(2)->font().bold());
    EXPECT_EQ(nombre(2)->palette().color(QPalette::Text), QColor(Qt::white));

    // Without params.txt the language follows the regional settings.
    EXPECT_EQ(window->widgets().LabAbout->text(), QByteArray(GetParam().locale) == "en_US"
                                                      ? QStringLiteral("About")
                                                      : QStringLiteral("A propos"));
    EXPECT_TRUE(hintsShown());
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(4));
    EXPECT_EQ(window->focusWidget(), nombre(4));
    EXPECT_EQ(window->geometry(), QRect(100, 100, 190, 469));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

INSTANTIATE_TEST_SUITE_P(
    Window, FirstStart,
    ::testing::Values(
        SampleCase{"French", "fr_FR", {u"|13_896,78", u"+|756,00", u"+|1_256,25", u"=|15_909,03"}},
        SampleCase{
            "English", "en_US", {u"|13,896.78", u"+|756.00", u"+|1,256.25", u"=|15,909.03"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- autosave -----------------------------------------------------------------------

TEST_F(WindowTest, ClosingWritesEcranAndTheNextStartRestoresIt)
{
    start();
    window->close();
    QByteArray expected = "0\t\t13\xA0"
                          "896,78\r\n1\t+\t756,00\r\n2\t+\t1\xA0"
                          "256,25\r\n3\t=\t15\xA0"
                          "909,03\r\n";
    for (int i = 4; i < 100; ++i)
        expected += QByteArray::number(i) + "\t\t\r\n";
    EXPECT_EQ(readFile(QStringLiteral("ecran.txt")), expected);

    start();
    EXPECT_TRUE(hintsHidden());
    EXPECT_EQ(shownRow(*window, 0), nbsp(u"|13_896,78"));
    EXPECT_EQ(shownRow(*window, 3), nbsp(u"=|15_909,03"));
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(4));
    EXPECT_EQ(window->focusWidget(), nombre(4));
}

TEST_F(WindowTest, EcranRestoresRowsAndShowsTheRowAfterTheLastUsed)
{
    QList<QByteArray> rows{"\t10"};
    for (int i = 1; i < 20; ++i)
        rows << "+\t1";
    rows << "=\t999"; // a stale result, worked out again
    writeFile(QStringLiteral("ecran.txt"), tapeFile(rows, true));
    start();

    EXPECT_TRUE(hintsHidden());
    EXPECT_EQ(shownRow(*window, 0), QStringLiteral("|10,00"));
    EXPECT_EQ(shownRow(*window, 20), QStringLiteral("=|29,00"));
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(21));
    EXPECT_EQ(window->focusWidget(), nombre(21));
    // Row 21 is the last of the 14 rows shown.
    EXPECT_EQ(window->widgets().ScrollV->value(), 8);
    EXPECT_FALSE(nombre(7)->isVisible());
    EXPECT_TRUE(nombre(8)->isVisible());
    EXPECT_TRUE(nombre(21)->isVisible());
    EXPECT_FALSE(nombre(22)->isVisible());
}

// ---- a tape file on the command line --------------------------------------------------

struct CommandLineCase {
    const char* name;
    QByteArray ecran; // empty: no ecran.txt
    QByteArray file;
    bool quoted; // the path in quotation marks names no file
    const char16_t* rows[4];
    bool hints;
    int focus;
};

class CommandLine : public WindowTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLine, FileIsAppliedAfterTheAutosave)
{
    const CommandLineCase& c = GetParam();
    if (!c.ecran.isEmpty())
        writeFile(QStringLiteral("ecran.txt"), c.ecran);
    writeFile(QStringLiteral("tape.kvt"), c.file);
    const QString fichier = path(QStringLiteral("tape.kvt"));
    start("fr_FR", c.quoted ? u'"' + fichier + u'"' : fichier);

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(shownRow(*window, i), nbsp(c.rows[i])) << "row " << i;
    EXPECT_TRUE(c.hints ? hintsShown() : hintsHidden());
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(c.focus));
    // The file is read, never written back.
    EXPECT_EQ(readFile(QStringLiteral("tape.kvt")), c.file);
}

const QByteArray Autosave = tapeFile({"\t100", "+\t200", "+\t300", "=\t"}, true);

INSTANTIATE_TEST_SUITE_P(
    Window, CommandLine,
    ::testing::Values(CommandLineCase{"ShortFileKeepsTheOtherRows",
                                      Autosave,
                                      tapeFile({"\t7", "-\t2"}),
                                      false,
                                      {u"|7,00", u"-|2,00", u"+|300,00", u"=|305,00"},
                                      false,
                                      2},
                      CommandLineCase{"FullFileReplacesEveryRow",
                                      Autosave,
                                      tapeFile({"\t7", "-\t2", "=\t0"}, true),
                                      false,
                                      {u"|7,00", u"-|2,00", u"=|5,00", u"|"},
                                      false,
                                      3},
                      CommandLineCase{"WithoutEcranHidesTheHintsAgain",
                                      {},
                                      tapeFile({"\t1", "+\t2"}),
                                      false,
                                      {u"|1,00", u"+|2,00", u"+|1_256,25", u"=|1_259,25"},
                                      false,
                                      2},
                      CommandLineCase{"QuotedPathIsIgnored",
                                      {},
                                      tapeFile({"\t1", "+\t2"}),
                                      true,
                                      {u"|13_896,78", u"+|756,00", u"+|1_256,25", u"=|15_909,03"},
                                      true,
                                      4}),
    [](const auto& info) { return std::string(info.param.name); });

class LastUsedRow : public WindowTest, public ::testing::WithParamInterface<int> {};

// Row 99 is never shown and there is no row 100: the focus stays on a shown row.
TEST_P(LastUsedRow, FocusStaysOnAShownRow)
{
    QList<QByteArray> rows{"\t1"};
    for (int i = 1; i <= GetParam(); ++i)
        rows << "+\t1";
    writeFile(QStringLiteral("tape.kvt"), tapeFile(rows, true));
    start("fr_FR", path(QStringLiteral("tape.kvt")));

    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(98));
    EXPECT_EQ(window->focusWidget(), nombre(98));
    EXPECT_TRUE(nombre(98)->isVisible());
    const QScrollBar* bar = window->widgets().ScrollV;
    EXPECT_GE(bar->value(), 0);
    EXPECT_LE(bar->value(), bar->maximum());
    EXPECT_EQ(bar->value(), window->tape().scrollValue());
}

INSTANTIATE_TEST_SUITE_P(Window, LastUsedRow, ::testing::Values(98, 99),
                         [](const auto& info) { return "Row" + std::to_string(info.param); });

// ---- params.txt ---------------------------------------------------------------------

TEST_F(WindowTest, NumberOptionsFromParamsFormatTheTape)
{
    writeFile(QStringLiteral("params.txt"), "2CHIFFRES\t0\r\n3CHIFFRES\t1\r\nMILLIERS\t0\r\n");
    start();
    EXPECT_EQ(shownRow(*window, 0), QStringLiteral("|13896,780"));
    EXPECT_EQ(shownRow(*window, 3), QStringLiteral("=|15909,030"));
}

// ---- keys typed into the cells -------------------------------------------------------

struct KeysCase {
    const char* name;
    const char* locale;
    const char16_t* typed;   // "12.5" as the cell shows it
    const char16_t* figures; // rows 1 and 2 once reformatted, "12,50|8,00"
    const char16_t* result;
};

class Keys : public WindowTest, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(Keys, TypedCalculation)
{
    const KeysCase& c = GetParam();
    writeFile(QStringLiteral("ecran.txt"), tapeFile({}, true));
    start(c.locale);
    ASSERT_EQ(window->focusWidget(), nombre(1));

    QTest::keyClicks(nombre(1), QStringLiteral("12.5"));
    EXPECT_EQ(nombre(1)->text(), QString::fromUtf16(c.typed));
    QTest::keyClick(nombre(1), Qt::Key_Plus);
    EXPECT_EQ(op(2)->text(), QStringLiteral("+"));
    EXPECT_EQ(window->focusWidget(), nombre(2));

    QTest::keyClick(nombre(2), Qt::Key_7);
    EXPECT_EQ(nombre(2)->text(), QStringLiteral("7"));
    QTest::keyClick(nombre(2), Qt::Key_Backspace);
    EXPECT_EQ(nombre(2)->text(), QString());
    QTest::keyClick(nombre(2), Qt::Key_8);

    // Enter on an operator row whose next row is free is equals: the result follows
    // and every figure is rewritten.
    QTest::keyClick(nombre(2), Qt::Key_Enter);
    EXPECT_EQ(nombre(1)->text() + u'|' + nombre(2)->text(), QString::fromUtf16(c.figures));
    EXPECT_EQ(op(3)->text(), QStringLiteral("="));
    EXPECT_EQ(nombre(3)->text(), QString::fromUtf16(c.result));
    EXPECT_TRUE(nombre(3)->font().bold());
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(4));
    EXPECT_EQ(window->focusWidget(), nombre(4));

    // Return on a row without an operator only moves down.
    QTest::keyClick(nombre(4), Qt::Key_Return);
    EXPECT_EQ(window->focusWidget(), nombre(5));
    EXPECT_EQ(shownRow(*window, 4), QStringLiteral("|"));
    EXPECT_EQ(shownRow(*window, 5), QStringLiteral("|"));
}

INSTANTIATE_TEST_SUITE_P(
    Window, Keys,
    ::testing::Values(KeysCase{"French", "fr_FR", u"12,5", u"12,50|8,00", u"20,50"},
                      KeysCase{"English", "en_US", u"12.5", u"12.50|8.00", u"20.50"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- scrolling -------------------------------------------------------------------------

void wheel(QWidget* target, int angle)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

TEST_F(WindowTest, WheelAndScrollBarMoveTheShownRows)
{
    start();
    QWidget* ecran = window->widgets().Ecran;
    QScrollBar* bar = window->widgets().ScrollV;

    wheel(ecran, -120); // one notch towards the user: three rows down
    EXPECT_EQ(bar->value(), 3);
    EXPECT_FALSE(nombre(2)->isVisible());
    EXPECT_TRUE(nombre(3)->isVisible());
    EXPECT_TRUE(nombre(16)->isVisible());
    EXPECT_FALSE(nombre(17)->isVisible());

    wheel(ecran, 240);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(nombre(0)->isVisible());

    bar->setValue(40);
    EXPECT_EQ(window->tape().scrollValue(), 40);
    EXPECT_TRUE(nombre(40)->isVisible());
    EXPECT_FALSE(nombre(39)->isVisible());
    EXPECT_EQ(nombre(40)->y(), 0);
}

// Rows get their fields when first shown: a row that changed while it had none must
// show the engine's state, result look included, as soon as it comes into sight.
TEST_F(WindowTest, RowsOutOfSightShowTheTapeWhenFirstShown)
{
    QList<QByteArray> rows{"\t10"};
    for (int i = 1; i < 30; ++i)
        rows << "+\t1";
    rows << "=\t";
    for (int i = 31; i < 60; ++i)
        rows << "+\t1";
    writeFile(QStringLiteral("ecran.txt"), tapeFile(rows, true));
    start();
    const TapeView& view = window->view();
    auto madeRows = [&view] {
        int n = 0;
        for (int row = 0; row < 100; ++row)
            n += view.made(CellId::Nombre(row)) ? 1 : 0;
        return n;
    };
    ASSERT_EQ(window->widgets().ScrollV->value(), 47);
    const int madeAtStart = madeRows();
    EXPECT_LE(madeAtStart, 15); // the 14 shown, and perhaps one row the first layout showed
    EXPECT_EQ(view.made(CellId::Op(30)), nullptr);

    window->widgets().ScrollV->setValue(0);
    QTest::keyClick(nombre(0), Qt::Key_Home);
    QTest::keyClick(nombre(0), Qt::Key_1);
    ASSERT_EQ(window->tape().Nombre(30).text, QStringLiteral("139,00"));
    EXPECT_EQ(view.made(CellId::Nombre(30)), nullptr);

    window->widgets().ScrollV->setValue(20);
    for (CellId id : {CellId::Op(30), CellId::Nombre(30), CellId::Nombre(25)}) {
        const TapeCell* shown = view.made(id);
        ASSERT_NE(shown, nullptr) << ::testing::PrintToString(id);
        const Cell& cell = window->tape().cell(id);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->text(), cell.text);
        EXPECT_EQ(shown->font().bold(), cell.bold);
        EXPECT_EQ(shown->palette().color(QPalette::Text).rgb(),
                  qRgb(cell.colour.red(), cell.colour.green(), cell.colour.blue()));
    }
    EXPECT_LE(madeRows(), madeAtStart + 2 * 14);
}

// Scrolling hides the focused cell while the focus moves to a cell being shown: the
// focus must end where the tape put it, not where the toolkit's fallback sends it.
TEST_F(WindowTest, FocusEndsWhereTheTapePutsItWhenTheFocusedRowIsScrolledAway)
{
    QList<QByteArray> rows{"\t1"};
    for (int i = 1; i <= 40; ++i)
        rows << "+\t1";
    writeFile(QStringLiteral("ecran.txt"), tapeFile(rows, true));
    start();
    ASSERT_EQ(window->focusWidget(), nombre(41));

    QTest::mouseClick(window->widgets().FrameClavier->key(KeyControl::ImgC, 0), Qt::LeftButton);
    EXPECT_EQ(window->widgets().ScrollV->value(), 0);
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(0));
    EXPECT_EQ(window->focusWidget(), nombre(0));
    QTest::keyClick(window->focusWidget(), Qt::Key_5);
    EXPECT_EQ(shownRow(*window, 0), QStringLiteral("|5"));
}

// Scrolling the focused row out of sight moves typing to the nearest shown row, so
// that no key goes to a hidden cell or to an operator cell the user never chose.
TEST_F(WindowTest, ScrollingThePastFocusedRowMovesTypingToTheNearestShownRow)
{
    start();
    ASSERT_EQ(window->tape().focusedCell(), CellId::Nombre(4));
    window->widgets().ScrollV->setValue(10);
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(10));
    EXPECT_EQ(window->focusWidget(), nombre(10));
    QTest::keyClick(window->focusWidget(), Qt::Key_7);
    EXPECT_EQ(window->tape().Nombre(10).text, QStringLiteral("7"));
    EXPECT_EQ(window->tape().entry().CurrentRow, 10);
}

} // namespace
