// The real main window: start-up, the command line, keys typed into its cells and
// scrolling its tape.

#include "app/windowfixture.h"

#include "keypad/keypadpanel.h"
#include "widgets/picture.h"

#include <QScrollBar>
#include <QWheelEvent>

using namespace talco;
using namespace talco::testing;

namespace {

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

constexpr const char16_t* Sample = u"|13_896,78;+|756,00;+|1_256,25;=|15_909,03";

// A file named on the command line is applied over the starting tape, read but never
// written back. A path in quotation marks names no file: a first start, on the sample.
TEST_F(WindowTest, CommandLineFileIsAppliedOverTheStartingTape)
{
    const QByteArray file = tapeFile({"\t7", "-\t2"});
    writeFile(u"tape.kvt"_s, file);
    for (bool quoted : {true, false}) {
        SCOPED_TRACE(quoted);
        window.reset();
        start("fr_FR", quoted ? u'"' + path(u"tape.kvt"_s) + u'"' : path(u"tape.kvt"_s));
        EXPECT_EQ(shownRows(*window, 0, 3),
                  quoted ? QString::fromUtf16(Sample) : u"|7,00;-|2,00;+|1_256,25;=|1_261,25"_s);
        // The total is a result: bold and orange.
        EXPECT_TRUE(nombre(3)->font().bold());
        EXPECT_EQ(nombre(3)->palette().color(QPalette::Text), QColor(255, 128, 0));
        EXPECT_TRUE(hints(quoted));
        EXPECT_EQ(window->focusWidget(), nombre(quoted ? 4 : 2));
        EXPECT_EQ(readFile(u"tape.kvt"_s), file);
        // Opening it is one step, back to the tape the program started with.
        EXPECT_EQ(window->tape().undo(), !quoted);
        window->view().sync();
        EXPECT_EQ(shownRows(*window, 0, 3), QString::fromUtf16(Sample));
        EXPECT_FALSE(window->tape().undo());
    }
}

// Keys typed into the cells reach the tape, and Ctrl+Z acts on the whole tape, not on
// the field's own text, taking the focus back to where each change was made; Ctrl+Y and
// Ctrl+Shift+Z redo.
TEST_F(WindowTest, TypingUndoAndRedoKeys)
{
    writeFile(u"ecran.txt"_s, tapeFile({}, true));
    start();
    QTest::keyClicks(nombre(1), u"12.5+"_s);
    ASSERT_EQ(window->focusWidget(), nombre(2));
    QTest::keyClicks(nombre(2), u"8"_s);

    QTest::keyClick(nombre(2), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(nombre(2)->text(), QString());
    QTest::keyClick(nombre(2), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(op(2)->text(), QString());
    EXPECT_EQ(window->focusWidget(), nombre(1));
    EXPECT_EQ(nombre(1)->cursorPosition(), 4);

    QTest::keyClick(nombre(1), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(op(2)->text(), u"+"_s);
    ASSERT_EQ(window->focusWidget(), nombre(2));
    QTest::keyClick(nombre(2), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(nombre(2)->text(), u"8"_s);

    // Enter on an operator row whose next row is free is equals.
    QTest::keyClick(nombre(2), Qt::Key_Enter);
    EXPECT_EQ(shownRows(*window, 1, 4), u"|12,50;+|8,00;=|20,50;|"_s);
    EXPECT_TRUE(nombre(3)->font().bold());
    EXPECT_EQ(window->focusWidget(), nombre(4));
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
    QScrollBar* bar = window->widgets().ScrollV;
    wheel(window->widgets().Ecran, -120); // one notch towards the user: three rows down
    EXPECT_EQ(bar->value(), 3);
    wheel(window->widgets().Ecran, 240);
    EXPECT_EQ(bar->value(), 0);

    bar->setValue(40);
    EXPECT_FALSE(nombre(39)->isVisible());
    EXPECT_EQ(nombre(40)->y(), 0);
    EXPECT_EQ(window->focusWidget(), nombre(40));
    QTest::keyClick(window->focusWidget(), Qt::Key_7);
    EXPECT_EQ(window->tape().Nombre(40).text, u"7"_s);
    EXPECT_EQ(window->tape().entry().CurrentRow, 40);
}

// Rows get their fields when first shown: a row that changed while it had none must
// show the engine's state, result look included, as soon as it comes into sight.
TEST_F(WindowTest, RowsOutOfSightShowTheTapeWhenFirstShown)
{
    QList<QByteArray> rows{"\t10"};
    for (int i = 1; i < 60; ++i)
        rows << (i == 30 ? "=\t" : "+\t1");
    writeFile(u"ecran.txt"_s, tapeFile(rows, true));
    start();
    const TapeView& view = window->view();
    ASSERT_EQ(window->widgets().ScrollV->value(), 47);
    window->widgets().ScrollV->setValue(0);
    QTest::keyClick(nombre(0), Qt::Key_Home);
    QTest::keyClick(nombre(0), Qt::Key_1);
    ASSERT_EQ(window->tape().Nombre(30).text, u"139,00"_s);
    EXPECT_EQ(view.made(CellId::Nombre(30)), nullptr);

    window->widgets().ScrollV->setValue(20);
    for (CellId id : {CellId::Op(30), CellId::Nombre(30), CellId::Nombre(25)}) {
        const TapeCell* shown = view.made(id);
        SCOPED_TRACE(::testing::Message()
                     << (id.kind == CellKind::Op ? "Op " : "Nombre ") << id.row);
        ASSERT_NE(shown, nullptr);
        const Cell& cell = window->tape().cell(id);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->text(), cell.text);
        EXPECT_EQ(shown->font().bold(), cell.bold);
        EXPECT_EQ(shown->palette().color(QPalette::Text).rgb(),
                  qRgb(cell.colour.red(), cell.colour.green(), cell.colour.blue()));
    }

    // Clearing scrolls the focused row away while the focus moves to row 0: the focus
    // ends where the tape put it, not where the toolkit's fallback sends it.
    QTest::mouseClick(window->widgets().FrameClavier->key(KeyControl::ImgC, 0), Qt::LeftButton);
    EXPECT_EQ(window->widgets().ScrollV->value(), 0);
    EXPECT_EQ(window->focusWidget(), nombre(0));
    QTest::keyClick(window->focusWidget(), Qt::Key_5);
    EXPECT_EQ(shownRows(*window, 0, 0), u"|5"_s);
}

} // namespace
