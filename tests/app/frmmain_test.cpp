// The real main window: start-up, the command line, keys typed into its cells and the
// mouse wheel over its tape.

#include "app/windowfixture.h"
#include "support/qstringprint.h"

#include "keypad/keypadpanel.h"
#include "widgets/picture.h"

#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

using namespace talco;
using namespace talco::testing;
using namespace Qt::StringLiterals;

namespace {

using talco::testsupport::PrintTo;

// The screen's rows first to last as "op|number;op|number", '_' standing for the French
// group separator.
QString shownRows(frmMain& w, int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << w.view().cell(CellId::Op(i))->text() + u'|' +
                   w.view().cell(CellId::Nombre(i))->text().replace(QChar(0x00A0), u'_');
    return out.join(u';');
}

// Rows 0 to last: a figure 10, then "+ 1" rows.
QList<QByteArray> onesAfterTen(int last)
{
    QList<QByteArray> rows{"\t10"};
    for (int i = 1; i <= last; ++i)
        rows << "+\t1";
    return rows;
}

struct SampleCase {
    const char* name;
    const char* locale;
    const char16_t* rows; // rows 0 to 4
    const char16_t* about;
};

class FirstStart : public WindowTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(FirstStart, ShowsTheSampleTapeAndTheHints)
{
    start(GetParam().locale);
    EXPECT_EQ(shownRows(*window, 0, 4), QString::fromUtf16(GetParam().rows));

    // The total is a result: bold and orange.
    EXPECT_TRUE(nombre(3)->font().bold());
    EXPECT_EQ(nombre(3)->palette().color(QPalette::Text), QColor(255, 128, 0));

    // Without params.txt the language follows the regional settings.
    EXPECT_EQ(window->widgets().LabAbout->text(), QString::fromUtf16(GetParam().about));
    EXPECT_TRUE(hints(true));
    EXPECT_EQ(window->focusWidget(), nombre(4));
}

INSTANTIATE_TEST_SUITE_P(
    Window, FirstStart,
    ::testing::Values(
        SampleCase{"French", "fr_FR", u"|13_896,78;+|756,00;+|1_256,25;=|15_909,03;|", u"A propos"},
        SampleCase{"English", "en_US", u"|13,896.78;+|756.00;+|1,256.25;=|15,909.03;|", u"About"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CommandLineCase {
    const char* name;
    bool quoted;          // the path in quotation marks names no file: a first start
    const char16_t* rows; // rows 0 to 3
    int focus;
};

class CommandLine : public WindowTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLine, FileIsAppliedOverTheStartingTape)
{
    const CommandLineCase& c = GetParam();
    const QByteArray file = tapeFile({"\t7", "-\t2"});
    writeFile(QStringLiteral("tape.kvt"), file);
    const QString fichier = path(QStringLiteral("tape.kvt"));
    start("fr_FR", c.quoted ? u'"' + fichier + u'"' : fichier);

    EXPECT_EQ(shownRows(*window, 0, 3), QString::fromUtf16(c.rows));
    EXPECT_TRUE(hints(c.quoted));
    EXPECT_EQ(window->tape().focusedCell(), CellId::Nombre(c.focus));
    // The file is read, never written back.
    EXPECT_EQ(readFile(QStringLiteral("tape.kvt")), file);
    // Opening it is one step, back to the tape the program started with.
    EXPECT_EQ(window->tape().undo(), !c.quoted);
    window->view().sync();
    EXPECT_EQ(shownRows(*window, 0, 3), u"|13_896,78;+|756,00;+|1_256,25;=|15_909,03"_s);
    EXPECT_FALSE(window->tape().undo());
}

INSTANTIATE_TEST_SUITE_P(
    Window, CommandLine,
    ::testing::Values(CommandLineCase{"ShortFileKeepsTheOtherRowsAndHidesTheHints", false,
                                      u"|7,00;-|2,00;+|1_256,25;=|1_261,25", 2},
                      CommandLineCase{"QuotedPathIsIgnored", true,
                                      u"|13_896,78;+|756,00;+|1_256,25;=|15_909,03", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, TypedCalculation)
{
    writeFile(QStringLiteral("ecran.txt"), tapeFile({}, true));
    start();
    ASSERT_EQ(window->focusWidget(), nombre(1));

    QTest::keyClicks(nombre(1), QStringLiteral("12.5"));
    EXPECT_EQ(nombre(1)->text(), QStringLiteral("12,5"));
    QTest::keyClick(nombre(1), Qt::Key_Plus);
    EXPECT_EQ(window->focusWidget(), nombre(2));
    QTest::keyClick(nombre(2), Qt::Key_8);
    // Enter on an operator row whose next row is free is equals.
    QTest::keyClick(nombre(2), Qt::Key_Enter);
    EXPECT_EQ(shownRows(*window, 1, 4), QStringLiteral("|12,50;+|8,00;=|20,50;|"));
    EXPECT_TRUE(nombre(3)->font().bold());
    EXPECT_EQ(window->focusWidget(), nombre(4));
}

// Ctrl+Z acts on the whole tape, not on the field's own text, and takes the focus back
// to where each change was made; Ctrl+Y and Ctrl+Shift+Z redo.
TEST_F(WindowTest, UndoAndRedoKeys)
{
    writeFile(QStringLiteral("ecran.txt"), tapeFile({}, true));
    start();
    QTest::keyClicks(nombre(1), QStringLiteral("12+"));
    ASSERT_EQ(window->focusWidget(), nombre(2));
    QTest::keyClicks(nombre(2), QStringLiteral("3"));

    QTest::keyClick(nombre(2), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(nombre(2)->text(), QString());
    QTest::keyClick(nombre(2), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(op(2)->text(), QString());
    EXPECT_EQ(window->focusWidget(), nombre(1));
    EXPECT_EQ(nombre(1)->cursorPosition(), 2);

    QTest::keyClick(nombre(1), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(op(2)->text(), QStringLiteral("+"));
    ASSERT_EQ(window->focusWidget(), nombre(2));
    QTest::keyClick(nombre(2), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(nombre(2)->text(), QStringLiteral("3"));
    EXPECT_EQ(nombre(1)->text(), QStringLiteral("12"));
}

// The tape is written a moment after it changes, and not at all while nothing changes.
TEST_F(WindowTest, AutosaveFollowsEachChange)
{
    autosaveDelayMs = 10;
    start();
    QTest::qWait(100);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ecran.txt"))));

    QTest::keyClicks(nombre(4), QStringLiteral("42"));
    EXPECT_TRUE(waitForFile(QStringLiteral("ecran.txt"), "\r\n4\t\t42\r\n"));
    QTest::keyClick(nombre(4), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(waitForFile(QStringLiteral("ecran.txt"), "\r\n4\t\t\r\n"));
}

void wheel(QWidget* target, int angle)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// Scrolling the focused row out of sight moves typing to the nearest shown row, so
// that no key goes to a hidden cell or to an operator cell the user never chose.
TEST_F(WindowTest, WheelAndScrollBarMoveTheShownRowsAndTheTyping)
{
    start();
    QWidget* ecran = window->widgets().Ecran;
    QScrollBar* bar = window->widgets().ScrollV;

    wheel(ecran, -120); // one notch towards the user: three rows down
    EXPECT_EQ(bar->value(), 3);
    EXPECT_FALSE(nombre(2)->isVisible());
    EXPECT_TRUE(nombre(16)->isVisible());
    EXPECT_FALSE(nombre(17)->isVisible());

    wheel(ecran, 240);
    EXPECT_EQ(bar->value(), 0);

    bar->setValue(40);
    EXPECT_EQ(window->tape().scrollValue(), 40);
    EXPECT_FALSE(nombre(39)->isVisible());
    EXPECT_EQ(nombre(40)->y(), 0);
    EXPECT_EQ(window->focusWidget(), nombre(40));
    QTest::keyClick(window->focusWidget(), Qt::Key_7);
    EXPECT_EQ(window->tape().Nombre(40).text, QStringLiteral("7"));
    EXPECT_EQ(window->tape().entry().CurrentRow, 40);
}

// Rows get their fields when first shown: a row that changed while it had none must
// show the engine's state, result look included, as soon as it comes into sight.
TEST_F(WindowTest, RowsOutOfSightShowTheTapeWhenFirstShown)
{
    QList<QByteArray> rows = onesAfterTen(29) << "=\t";
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
    // Only the rows shown with the loaded tape, not those the layout showed before it.
    const int madeAtStart = madeRows();
    for (int row = 0; row < 100; ++row)
        EXPECT_EQ(view.made(CellId::Nombre(row)) != nullptr, window->tape().Nombre(row).visible)
            << row;

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
    writeFile(QStringLiteral("ecran.txt"), tapeFile(onesAfterTen(40), true));
    start();
    EXPECT_TRUE(hints(false));
    ASSERT_EQ(window->focusWidget(), nombre(41));

    QTest::mouseClick(window->widgets().FrameClavier->key(KeyControl::ImgC, 0), Qt::LeftButton);
    EXPECT_EQ(window->widgets().ScrollV->value(), 0);
    EXPECT_EQ(window->focusWidget(), nombre(0));
    QTest::keyClick(window->focusWidget(), Qt::Key_5);
    EXPECT_EQ(shownRows(*window, 0, 0), QStringLiteral("|5"));
}

} // namespace
