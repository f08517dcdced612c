// What a screen reader finds in the main window, through Qt's accessibility interfaces:
// buttons with names, descriptions and press actions, the tape cells' texts, and the
// announcement of a new result.

#include "app/windowfixture.h"

#include "app/accessibility.h"
#include "keypad/keypadpanel.h"
#include "settings/frmoptions.h"
#include "widgets/picture.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace talco;
using namespace talco::testing;

namespace {

using namespace Qt::StringLiterals;

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString name(QObject* object)
{
    return accessible(object)->text(QAccessible::Name);
}

bool pressable(QObject* object)
{
    QAccessibleActionInterface* actions = accessible(object)->actionInterface();
    return actions && actions->actionNames().value(0) == QAccessibleActionInterface::pressAction();
}

void press(QObject* object)
{
    ASSERT_TRUE(pressable(object)) << name(object).toStdString();
    accessible(object)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

// Types the keys into whichever cell has the focus, as the keyboard does.
void type(const QString& keys)
{
    for (QChar c : keys)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

using AccessibilityTest = WindowTest;

TEST_F(AccessibilityTest, ButtonsHaveANameADescriptionAndAPressInEitherLanguage)
{
    int sitesOpened = 0;
    openSite = [&sitesOpened] { ++sitesOpened; };
    start("en_US"); // a first start under English settings speaks English
    const frmMain::Widgets& w = window->widgets();
    QList<QWidget*> buttons = {w.Ouvrir,   w.Enregistrer,     w.Imprimer,       w.Iconifier,
                               w.Quitter,  w.DrapeauFrancais, w.DrapeauAnglais, w.LabOptions,
                               w.LabAbout, w.LabAide,         w.SiteKorvelsoft};
    for (const KeyDef& k : Keys)
        buttons << w.FrameClavier->key(KeypadPanel::baseName(k));
    // The names, the cells' included, follow the flags.
    for (const char16_t* seven : {u"Seven", u"Sept"}) {
        EXPECT_EQ(name(w.FrameClavier->key(u"ch7"_s)), QString::fromUtf16(seven));
        QSet<QString> names;
        for (QWidget* b : buttons) {
            SCOPED_TRACE(name(b).toStdString());
            EXPECT_EQ(accessible(b)->role(), QAccessible::Button);
            EXPECT_FALSE(accessible(b)->text(QAccessible::Description).isEmpty());
            EXPECT_TRUE(pressable(b));
            names << name(b);
        }
        EXPECT_EQ(names.size(), buttons.size()) << "two buttons share a name";
        press(w.DrapeauFrancais);
    }
    EXPECT_EQ(window->settings().G_Langue, u"FR"_s);
    EXPECT_EQ(name(nombre(3)), u"Ligne 4, résultat, 15,909.03"_s);
    // The pictures that only move or size the window are not buttons.
    for (Picture* p : {w.ImgBordHaut, w.ImgClavier, w.ImgBordBas}) {
        EXPECT_NE(accessible(p)->role(), QAccessible::Button);
        EXPECT_FALSE(pressable(p));
    }

    // A key pressed goes to the current row, as a click does.
    for (const char16_t* key : {u"ch7", u"op0", u"ch2", u"egale"})
        press(w.FrameClavier->key(QString::fromUtf16(key)));
    EXPECT_EQ(window->tape().Nombre(6).text, u"9.00"_s);

    // The menu labels' press is a click on them.
    press(w.LabOptions);
    EXPECT_TRUE(window->optionsWindow() && window->optionsWindow()->isVisible());
    press(w.LabAbout);
    // No button is left without a name, in the windows the labels opened too.
    for (Picture* p : window->findChildren<Picture*>()) {
        if (accessible(p)->role() == QAccessible::Button) {
            EXPECT_FALSE(name(p).isEmpty()) << p->window()->windowTitle().toStdString();
        }
    }
    press(w.SiteKorvelsoft);
    EXPECT_EQ(sitesOpened, 1);
    EXPECT_TRUE(told.isEmpty()) << told.join(u'\n').toStdString();
}

TEST_F(AccessibilityTest, CellNamesSayTheRowTheKindAndTheText)
{
    start();
    // Empty cells say so; figures are as the tape shows them.
    EXPECT_EQ(name(op(0)), u"Ligne 1, opérateur, vide"_s);
    EXPECT_EQ(accessibleCellText(window->tape(), CellId::Op(0), true), u"Row 1, operator, empty"_s);
    EXPECT_EQ(name(nombre(3)), u"Ligne 4, résultat, 15\u00a0909,03"_s);

    // A row's figure becomes a result when its operator becomes "=": the figure cell's
    // name follows, although its text stays as it was.
    type(u"5"_s); // in row 5, which starts a new calculation
    nombre(5)->setFocus();
    type(u"5,00"_s);
    EXPECT_EQ(name(nombre(5)), u"Ligne 6, nombre, 5,00"_s);
    op(5)->setFocus();
    type(u"="_s);
    ASSERT_EQ(window->tape().Nombre(5).text, u"5,00"_s);
    EXPECT_EQ(name(op(5)), u"Ligne 6, opérateur, ="_s);
    EXPECT_EQ(name(nombre(5)), u"Ligne 6, résultat, 5,00"_s);

    // A note is said after the cell's text, and shown as the tip, in both cells of its row.
    window->tape().editNote(5, u"total"_s);
    window->view().sync();
    EXPECT_EQ(name(nombre(5)), u"Ligne 6, résultat, 5,00, note : total"_s);
    EXPECT_EQ(name(op(5)), u"Ligne 6, opérateur, =, note : total"_s);
    EXPECT_EQ(nombre(5)->toolTip() + u'|' + op(5)->toolTip(), u"total|total"_s);
}

// Each result is told once, after the focus moved to the next row, so that the reader
// does not cut it short to say the new focus. Heard: focus moves by the name of the cell
// they reach, notifications by the text of the label they hold.
TEST_F(AccessibilityTest, EqualsAnnouncesTheNewTotalAfterTheFocusMovedOn)
{
    start();
    static QStringList heard;
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* a = event->accessibleInterface();
            if (a && event->type() == QAccessible::Focus)
                heard << u"focus "_s + a->text(QAccessible::Name);
            else if (a && event->type() == QAccessible::ObjectShow &&
                     a->role() == QAccessible::Notification)
                heard << u"notice "_s + a->child(0)->text(QAccessible::Name);
        });
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true); // as when a reader has asked
    // The first result shows the notification, the next ones show it again.
    for (int row : {6, 9}) {
        SCOPED_TRACE(row);
        type(u"5+5"_s);
        heard.clear();
        type(u"="_s);
        const QString said = u"Ligne %1, résultat, 10,00"_s.arg(row + 1);
        EXPECT_EQ(heard.filter(u"notice "_s), QStringList{u"notice "_s + said});
        EXPECT_EQ(heard.mid(heard.size() - 2).join(u'\n'),
                  u"focus Ligne %1, nombre, vide\nnotice "_s.arg(row + 2) + said);
    }
    platform->setActive(false);
    QAccessible::installUpdateHandler(previous);
}

} // namespace
