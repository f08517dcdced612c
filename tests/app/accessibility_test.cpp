// What a screen reader finds in the main window, through Qt's accessibility interfaces:
// buttons with names, descriptions and press actions, the tape cells' texts, and the
// announcement of a new result.

#include "app/windowfixture.h"

#include "app/accessibility.h"
#include "files/tapetext.h"
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

void press(QObject* object)
{
    QAccessibleActionInterface* actions = accessible(object)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

class AccessibilityTest : public WindowTest {
protected:
    // Every control that acts on a click, as the user meets them.
    QList<QWidget*> buttons() const
    {
        const frmMain::Widgets& w = window->widgets();
        QList<QWidget*> all = {w.Ouvrir,   w.Enregistrer,     w.Imprimer,       w.Iconifier,
                               w.Quitter,  w.DrapeauFrancais, w.DrapeauAnglais, w.LabOptions,
                               w.LabAbout, w.LabAide,         w.SiteKorvelsoft};
        for (const KeyDef& k : Keys)
            all << w.FrameClavier->key(KeypadPanel::baseName(k));
        return all;
    }

    // Types the keys into whichever cell has the focus, as the keyboard does.
    void type(const QString& keys)
    {
        for (QChar c : keys)
            QTest::keyClicks(window->focusWidget(), QString(c));
    }
};

TEST_F(AccessibilityTest, EveryButtonHasARoleNameDescriptionAndPressInEitherLanguage)
{
    start();
    for (bool english : {false, true}) {
        if (english)
            QTest::mouseClick(window->widgets().DrapeauAnglais, Qt::LeftButton);
        QSet<QString> names;
        for (QWidget* w : buttons()) {
            QAccessibleInterface* a = accessible(w);
            SCOPED_TRACE(a->text(QAccessible::Name).toStdString());
            EXPECT_EQ(a->role(), QAccessible::Button);
            EXPECT_FALSE(a->text(QAccessible::Description).isEmpty());
            ASSERT_NE(a->actionInterface(), nullptr);
            EXPECT_EQ(a->actionInterface()->actionNames().value(0),
                      QAccessibleActionInterface::pressAction());
            names << a->text(QAccessible::Name);
        }
        EXPECT_EQ(names.size(), buttons().size()) << "two buttons share a name";
    }
    // The pictures that only move or size the window are not buttons.
    for (Picture* p : {window->widgets().ImgBordHaut, window->widgets().ImgClavier,
                       window->widgets().ImgBordBas}) {
        EXPECT_NE(accessible(p)->role(), QAccessible::Button);
        EXPECT_FALSE(accessible(p)->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
}

// Each key pressed through the accessibility interface leaves the tape as a click does.
TEST_F(AccessibilityTest, PressingAKeyDoesWhatAClickDoes)
{
    for (const KeyDef& k : Keys) {
        const QString base = KeypadPanel::baseName(k);
        SCOPED_TRACE(base.toStdString());
        QString byClick;
        for (bool clicked : {true, false}) {
            start();
            window->view().cell(CellId::Nombre(1))->setFocus();
            type(u"2"_s);
            Picture* key = window->widgets().FrameClavier->key(base);
            if (clicked) {
                QTest::mouseClick(key, Qt::LeftButton);
                byClick = GetTapeText(window->tape());
            } else {
                press(key);
                EXPECT_EQ(GetTapeText(window->tape()), byClick);
            }
            window.reset();
        }
    }
}

TEST_F(AccessibilityTest, PressingTheWindowsButtonsAndMenuLabels)
{
    int sitesOpened = 0;
    openSite = [&sitesOpened] { ++sitesOpened; };
    start("en_US"); // a first start under English settings speaks English
    const frmMain::Widgets& w = window->widgets();
    Picture* seven = w.FrameClavier->key(u"ch7"_s);
    EXPECT_EQ(name(seven), u"Seven"_s);
    EXPECT_EQ(name(nombre(3)), u"Row 4, result, 15,909.03"_s);

    // The names, the cells' included, follow the flags.
    press(w.DrapeauFrancais);
    EXPECT_EQ(window->settings().G_Langue, u"FR"_s);
    EXPECT_EQ(name(seven), u"Sept"_s);
    EXPECT_EQ(name(nombre(3)), u"Ligne 4, résultat, 15,909.03"_s);
    press(w.DrapeauAnglais);
    EXPECT_EQ(window->settings().G_Langue, u"EN"_s);
    EXPECT_EQ(name(seven), u"Seven"_s);

    press(w.LabOptions);
    ASSERT_NE(window->optionsWindow(), nullptr);
    EXPECT_TRUE(window->optionsWindow()->isVisible());
    press(w.LabAbout);
    // No button is left without a name, in the windows the labels opened too.
    for (Picture* p : window->findChildren<Picture*>()) {
        if (accessible(p)->role() == QAccessible::Button) {
            EXPECT_FALSE(name(p).isEmpty()) << p->window()->windowTitle().toStdString();
        }
    }

    EXPECT_EQ(sitesOpened, 0);
    press(w.SiteKorvelsoft);
    EXPECT_EQ(sitesOpened, 1);

    press(w.Iconifier);
    EXPECT_TRUE(window->isMinimized());
    press(w.Quitter);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFile::exists(path(u"ecran.txt"_s)));
    EXPECT_TRUE(told.isEmpty()) << told.join(u'\n').toStdString();
}

TEST_F(AccessibilityTest, CellNamesSayTheRowTheKindAndTheText)
{
    start();
    // The figures are as the tape shows them, with the no-break space between thousands.
    struct Case {
        CellId id;
        const char16_t* french;
        const char16_t* english;
    };
    const Case cases[] = {
        {CellId::Op(0), u"Ligne 1, opérateur, vide", u"Row 1, operator, empty"},
        {CellId::Nombre(3), u"Ligne 4, résultat, 15\u00a0909,03", u"Row 4, result, 15\u00a0909,03"},
        {CellId::Nombre(4), u"Ligne 5, nombre, vide", u"Row 5, figure, empty"},
    };
    for (const Case& c : cases) {
        const QString french = QString::fromUtf16(c.french);
        EXPECT_EQ(accessibleCellText(window->tape(), c.id, false), french);
        EXPECT_EQ(accessibleCellText(window->tape(), c.id, true), QString::fromUtf16(c.english));
        // The fields shown hold the same text as their name.
        if (window->tape().cell(c.id).visible) {
            EXPECT_EQ(name(window->view().cell(c.id)), french);
        }
    }

    // A row's figure becomes a result when its operator becomes "=": the figure cell's
    // name follows, also when its text stays as it was.
    ASSERT_EQ(window->focusWidget(), nombre(4));
    type(u"5"_s);
    EXPECT_EQ(name(nombre(4)), u"Ligne 5, nombre, 5"_s);
    nombre(5)->setFocus();
    type(u"5,00"_s);
    EXPECT_EQ(name(nombre(5)), u"Ligne 6, nombre, 5,00"_s);

    op(5)->setFocus();
    type(u"="_s);
    ASSERT_EQ(window->tape().Op(5).text, u"="_s);
    ASSERT_EQ(window->tape().Nombre(5).text, u"5,00"_s);
    EXPECT_EQ(name(op(5)), u"Ligne 6, opérateur, ="_s);
    EXPECT_EQ(name(nombre(5)), u"Ligne 6, résultat, 5,00"_s);

    // A note is said after the cell's text, in both cells of its row.
    window->tape().editNote(5, u"total"_s);
    window->view().sync();
    EXPECT_EQ(name(nombre(5)), u"Ligne 6, résultat, 5,00, note : total"_s);
    EXPECT_EQ(name(op(5)), u"Ligne 6, opérateur, =, note : total"_s);
}

// What Qt sends to a screen reader while one listens: for each event, what the reader
// would find then, a notification by the label it holds.
struct Listener {
    struct Heard {
        QAccessible::Event type;
        QObject* object;
        QAccessible::Role role;
        QString text;
    };
    QList<Heard> heard;

    Listener()
    {
        current = this;
        previous = QAccessible::installUpdateHandler(record);
        platform()->setActive(true); // as when a reader has asked
    }
    ~Listener()
    {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(previous);
        current = nullptr;
    }
    qsizetype find(QAccessible::Event type, QObject* object) const
    {
        for (qsizetype i = 0; i < heard.size(); ++i) {
            if (heard[i].type == type && heard[i].object == object)
                return i;
        }
        return -1;
    }

private:
    static QPlatformAccessibility* platform()
    {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static void record(QAccessibleEvent* event)
    {
        QAccessibleInterface* a = event->accessibleInterface();
        if (!a || !current)
            return;
        QString text = a->text(QAccessible::Name);
        if (a->role() == QAccessible::Notification && a->childCount() == 1)
            text = a->child(0)->text(QAccessible::Name);
        current->heard << Heard{event->type(), event->object(), a->role(), text};
    }

    static inline Listener* current = nullptr;
    QAccessible::UpdateHandler previous = nullptr;
};

TEST_F(AccessibilityTest, EqualsAnnouncesTheNewTotalAfterTheFocusMovedOn)
{
    start();
    // The first result shows the notification, the next ones show it again.
    for (int row : {6, 9}) {
        SCOPED_TRACE(row);
        type(u"5+5"_s);
        Listener reader;
        type(u"="_s);
        const QString said = u"Ligne %1, résultat, 10,00"_s.arg(row + 1);

        // The result cell's name says the new total...
        const qsizetype named = reader.find(QAccessible::NameChanged, nombre(row));
        ASSERT_GE(named, 0);
        EXPECT_EQ(reader.heard[named].text, said);
        // ...and, once the focus is in the next row, a notification says it.
        const qsizetype focused = reader.find(QAccessible::Focus, nombre(row + 1));
        ASSERT_GE(focused, 0);
        qsizetype notices = 0;
        for (qsizetype i = 0; i < reader.heard.size(); ++i) {
            const Listener::Heard& h = reader.heard[i];
            if (h.type == QAccessible::ObjectShow && h.role == QAccessible::Notification) {
                ++notices;
                EXPECT_EQ(h.text, said);
                EXPECT_GT(i, focused);
            }
        }
        EXPECT_EQ(notices, 1);
    }
}

} // namespace
