// The cells as one-line fields: what a key does to their text, and what the view is told.

#include "tape/tapedriver.h"

#include <gtest/gtest.h>

using namespace talco;
using namespace talco::tapetest;
using namespace Qt::StringLiterals;

namespace {

// Backspace takes the selection when there is one, however short, else the character
// before the caret; at the start of an empty selection it does nothing.
TEST(Field, BackspaceTakesTheSelectionOrTheCharacterBefore)
{
    const struct {
        int caret;
        int selLength;
        const char16_t* after;
    } cases[] = {{1, 1, u"13"}, {1, 2, u"1"}, {2, 0, u"13"}, {0, 0, u"123"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caret * 10 + c.selLength);
        TapeModel tape(DefaultSettings, french());
        load(tape, {{u"", u"123"}});
        tape.setFocus(CellId::Nombre(0));
        tape.editField(CellId::Nombre(0), u"123"_s, c.caret, c.selLength);
        tape.typeKey(CellId::Nombre(0), u'\b');
        EXPECT_EQ(tape.Nombre(0).text, QString::fromUtf16(c.after));
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
    EXPECT_EQ(tape.revision(), revision);
    EXPECT_EQ(tape.history().undoCount(), steps);
    tape.clear(); // takes the note
    tape.clear(); // finds nothing to take
    EXPECT_EQ(tape.history().undoCount(), steps + 1);
}

// The view moves the focus and shows or hides the hint panels only when told, once.
TEST(Field, TheViewIsToldOfFocusAndHintsOnce)
{
    TapeModel tape(DefaultSettings, french());
    tape.showHints();
    tape.takeChanges();
    tape.HideHints();
    tape.setFocus(CellId::Op(3));
    const TapeChanges changes = tape.takeChanges();
    EXPECT_TRUE(changes.hints && changes.focus);
    tape.HideHints();
    tape.setFocus(CellId::Op(3));
    const TapeChanges again = tape.takeChanges();
    EXPECT_FALSE(again.hints || again.focus);
}

} // namespace
