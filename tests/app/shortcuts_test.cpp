// The window's keyboard shortcuts, and the clipboard in its cells.

#include "app/windowfixture.h"

#include <QClipboard>

using namespace talco;
using namespace talco::testing;
using namespace Qt::StringLiterals;

namespace {

class Shortcuts : public WindowTest {
protected:
    QStringList chosen; // the dialogs asked for, with "+csv" when CSV was offered
    QString answer;     // the path the dialogs answer
    bool answerCsv = false;

    void SetUp() override
    {
        chooseFile = [this](const QString& mode, bool* csv) {
            chosen << mode + (csv ? u"+csv"_s : QString());
            if (csv)
                *csv = answerCsv;
            return answer;
        };
        writeFile(u"ecran.txt"_s, tapeFile({"\t5", "+\t3", "=\t8"}, true));
        start();
    }

    void press(QKeyCombination key)
    {
        QTest::keyClick(window->focusWidget(), key.key(), key.keyboardModifiers());
    }
};

TEST_F(Shortcuts, EveryButtonHasAKeyThatNeverTypesIntoACell)
{
    ASSERT_EQ(window->focusWidget(), nombre(3));
    press(Qt::CTRL | Qt::Key_O);
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_EQ(chosen, (QStringList{u"OUVRIR"_s, u"SAVE+csv"_s}));

    press(Qt::CTRL | Qt::Key_Comma);
    EXPECT_TRUE(window->optionsWindow() && window->optionsWindow()->isVisible());
    window->activateWindow();
    nombre(3)->setFocus();
    press(QKeyCombination(Qt::Key_F1));
    EXPECT_TRUE(window->helpWindow() && window->helpWindow()->isVisible());
    nombre(3)->setFocus();
    press(Qt::CTRL | Qt::Key_F1);
    EXPECT_TRUE(window->aboutWindow() && window->aboutWindow()->isVisible());
    nombre(3)->setFocus();
    press(Qt::CTRL | Qt::Key_P);
    EXPECT_TRUE(QFile::exists(path(u"ticket.htm"_s)));

    // Francs to euros, euros to francs, then the tape cleared: each a keypad key.
    press(Qt::CTRL | Qt::Key_E);
    EXPECT_EQ(op(4)->text(), u"/"_s);
    EXPECT_EQ(nombre(5)->text(), u"1,22"_s);
    press(Qt::CTRL | Qt::Key_F);
    EXPECT_EQ(op(7)->text(), u"*"_s);
    EXPECT_EQ(nombre(8)->text(), u"8,00"_s);
    EXPECT_EQ(nombre(3)->text(), QString()) << "no character typed by a shortcut";
    press(QKeyCombination(Qt::Key_Escape));
    EXPECT_EQ(nombre(0)->text(), QString());
    EXPECT_EQ(window->focusWidget(), nombre(0));
}

// Save writes CSV or a tape, as chosen; Open reads a tape back, and a file that is no
// tape leaves the tape as it was.
TEST_F(Shortcuts, SaveAndOpen)
{
    answer = path(u"tape.csv"_s);
    answerCsv = true;
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(readFile(u"tape.csv"_s)
                    .startsWith("\xEF\xBB\xBF"
                                "Ligne;"));
    answer = path(u"tape.kvt"_s);
    answerCsv = false;
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(readFile(u"tape.kvt"_s).startsWith("0\t\t5,00\r\n"));

    press(QKeyCombination(Qt::Key_Escape));
    press(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(nombre(2)->text(), u"8,00"_s);
    writeFile(u"bad.kvt"_s, QByteArray("0\t\t1\0", 6));
    answer = path(u"bad.kvt"_s);
    press(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(told.size(), 1);
    EXPECT_EQ(nombre(2)->text(), u"8,00"_s);
}

TEST_F(Shortcuts, CopyAndPasteGoThroughTheTape)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    nombre(2)->setFocus();
    nombre(2)->selectAll();
    QTest::keyClick(nombre(2), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), u"8,00"_s);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    EXPECT_EQ(clipboard->text(), u"\t5,00\t\n+\t3,00\t\n=\t8,00\t\n"_s);

    clipboard->setText(u"10\n20\nnothing"_s);
    nombre(3)->setFocus();
    QTest::keyClick(nombre(3), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(op(4)->text(), u"+"_s);
    EXPECT_EQ(nombre(5)->text(), u"38,00"_s);
    EXPECT_EQ(told, QStringList{u"1 ligne sans nombre a été ignorée."_s});
    QTest::keyClick(window->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(nombre(3)->text(), QString()) << "one paste, one undo";
}

} // namespace
