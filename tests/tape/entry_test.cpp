#include "tape/tapemodel.h"

#include <gtest/gtest.h>

using namespace talco;

TEST(Smoke, TypesAndAdds)
{
    Settings s;
    TapeModel tape(s, QLocale(QStringLiteral("en_US")));
    tape.setFocus(CellId::Nombre(0));
    for (char16_t k : u"12+3=")
        if (k)
            tape.typeKey(*tape.focusedCell(), k);
    EXPECT_EQ(tape.Nombre(0).text, QStringLiteral("12.00"));
    EXPECT_EQ(tape.Nombre(2).text, QStringLiteral("15.00"));
}
