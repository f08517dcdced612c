// The cells as one-line fields: what a key does to their text, and what the view is told.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

using namespace talco;
using namespace talco::tapetest;
using namespace Qt::StringLiterals;

namespace {

// Backspace takes the selection when there is one, however short, else the character
// before the caret; at the start of an empty selection it does nothing. The caret stays
// where the text was taken, or goes after a typed character, also when that character
// replaced itself.
TEST(Field, KeysTakeTheSelectionOrTheCharacterBefore)
{
    const struct {
        char16_t key;
        int caret;
        int selLength;
        const char16_t* after;
        int caretAfter;
    } cases[] = {{u'\b', 1, 1, u"13", 1},
                 {u'\b', 1, 2, u"1", 1},
                 {u'\b', 3, 0, u"12", 2},
                 {u'\b', 0, 0, u"123", 0},
                 {u'2', 1, 1, u"123", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + " at " + std::to_string(c.caret));
        TapeModel tape(DefaultSettings, french());
        load(tape, {{u"", u"123"}});
        tape.setFocus(CellId::Nombre(0));
        tape.editField(CellId::Nombre(0), u"123"_s, c.caret, c.selLength);
        tape.typeKey(CellId::Nombre(0), c.key);
        EXPECT_EQ(tape.Nombre(0).text, QString::fromUtf16(c.after));
        EXPECT_EQ(tape.Nombre(0).caret, c.caretAfter);
        EXPECT_EQ(tape.Nombre(0).selLength, 0);
    }
}

// Nothing that leaves the tape as it was is a step to undo or a change to save.
TEST(Field, WhatChangesNothingIsNoStepAndNoRevision)
{
    TapeModel tape(DefaultSettings, french());
    tape.setFocus(CellId::Nombre(0));
    tape.editNote(0, u"x"_s);
    const quint64 revision = tape.revision();
    const std::size_t steps = tape.history().undoCount();
    tape.editNote(0, u"x"_s);
    tape.editField(CellId::Nombre(0), QString(), 0, 0);
    tape.userScroll(3); // cells move, no text
    EXPECT_EQ(tape.revision(), revision);
    EXPECT_EQ(tape.history().undoCount(), steps);
    tape.userScrollProxy(40);
    tape.showHints();
    tape.clear(); // takes the note and the hints, and goes back to the top
    tape.clear(); // finds nothing to take
    EXPECT_EQ(tape.history().undoCount(), steps + 1);
    EXPECT_EQ(tape.ProxyRow(), 1);
    EXPECT_FALSE(tape.hintsVisible());
}

// The view moves the focus, scrolls and shows or hides the hint panels only when told,
// once.
TEST(Field, TheViewIsToldOfFocusScrollAndHintsOnce)
{
    TapeModel tape(DefaultSettings, french());
    tape.setVisibleRows(10);
    tape.showHints();
    tape.takeChanges();
    tape.HideHints();
    tape.setFocus(CellId::Op(3));
    tape.userScroll(5);
    const TapeChanges changes = tape.takeChanges();
    EXPECT_TRUE(changes.hints && changes.focus && changes.scroll);
    tape.HideHints();
    tape.setFocus(CellId::Op(3));
    tape.userScroll(5);
    const TapeChanges again = tape.takeChanges();
    EXPECT_FALSE(again.hints || again.focus || again.scroll);
}

// Enter on a row with an operator moves down when the next row has one too.
TEST(Field, EnterMovesDownToARowThatHasAnOperator)
{
    TapeModel tape(DefaultSettings, french());
    load(tape, {{u"", u"1"}, {u"+", u"2"}, {u"+", u"3"}});
    tape.setFocus(CellId::Nombre(1));
    tape.typeKey(CellId::Nombre(1), u'\r');
    EXPECT_EQ(tape.focusedCell(), CellId::Nombre(2));
}

} // namespace
