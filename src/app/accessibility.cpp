#include "app/accessibility.h"

#include "app/frmmain.h"
#include "app/tapecell.h"
#include "app/tapeview.h"
#include "keypad/keypadpanel.h"
#include "tape/tapemodel.h"
#include "widgets/picture.h"
#include "widgets/pictureaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace talco {

namespace {

struct Texts {
    const char16_t* nameEn;
    const char16_t* nameFr;
    const char16_t* descriptionEn;
    const char16_t* descriptionFr;
};

// The keys by the base name of their pictures. A digit's description names the digit.
struct KeyTexts {
    const char16_t* base;
    Texts texts;
};
const KeyTexts keyTexts[] = {
    {u"ch0", {u"Zero", u"Zéro", nullptr, nullptr}},
    {u"ch1", {u"One", u"Un", nullptr, nullptr}},
    {u"ch2", {u"Two", u"Deux", nullptr, nullptr}},
    {u"ch3", {u"Three", u"Trois", nullptr, nullptr}},
    {u"ch4", {u"Four", u"Quatre", nullptr, nullptr}},
    {u"ch5", {u"Five", u"Cinq", nullptr, nullptr}},
    {u"ch6", {u"Six", u"Six", nullptr, nullptr}},
    {u"ch7", {u"Seven", u"Sept", nullptr, nullptr}},
    {u"ch8", {u"Eight", u"Huit", nullptr, nullptr}},
    {u"ch9", {u"Nine", u"Neuf", nullptr, nullptr}},
    {u"point",
     {u"Decimal separator", u"Séparateur décimal", u"Type the decimal separator in the figure",
      u"Taper le séparateur décimal dans le nombre"}},
    {u"egale",
     {u"Equals", u"Égal", u"Write the result on the next row",
      u"Écrire le résultat sur la ligne suivante"}},
    {u"op0", {u"Plus", u"Plus", u"Add the next figure", u"Ajouter le nombre suivant"}},
    {u"op1", {u"Minus", u"Moins", u"Subtract the next figure", u"Soustraire le nombre suivant"}},
    {u"op2",
     {u"Times", u"Multiplié par", u"Multiply by the next figure",
      u"Multiplier par le nombre suivant"}},
    {u"op3",
     {u"Divided by", u"Divisé par", u"Divide by the next figure",
      u"Diviser par le nombre suivant"}},
    {u"c",
     {u"Clear the tape", u"Effacer le ruban", u"Clear every row of the tape",
      u"Effacer toutes les lignes du ruban"}},
    {u"monnaie0",
     {u"Francs to euros", u"Francs en euros", u"Convert the result from francs to euros",
      u"Convertir le résultat de francs en euros"}},
    {u"monnaie1",
     {u"Euros to francs", u"Euros en francs", u"Convert the result from euros to francs",
      u"Convertir le résultat d'euros en francs"}},
};

QString text(const char16_t* en, const char16_t* fr, bool english)
{
    return QString::fromUtf16(english ? en : fr);
}

void setTexts(QWidget* w, const QString& name, const QString& description)
{
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}

// What a click does: a press and a release of the left button in the middle.
void clickOn(QWidget* w)
{
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

// The menu labels act on the window's own mouse handling, so their press is a click.
class MenuLabelAccessible : public QAccessibleWidget {
public:
    explicit MenuLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            clickOn(widget());
    }
};

bool isMenuLabel(const frmMain::Widgets& w, const QObject* object)
{
    return object == w.LabOptions || object == w.LabAbout || object == w.LabAide ||
           object == w.SiteKorvelsoft;
}

// Tells a screen reader of each new result. Orca speaks a notification's labels when it
// is shown, wherever the focus is: the focus has already moved on to the next row.
class ResultNotice : public QWidget {
    Q_OBJECT
public:
    explicit ResultNotice(QWidget* window) : QWidget(window), m_text(new QLabel(this))
    {
        // Nothing to see: it is there to be heard.
        setGeometry(0, 0, 0, 0);
        m_text->setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void say(const QString& text)
    {
        m_text->setText(text);
        // Shown once, it stays: from then on, each new text shows it again to a reader.
        if (isHidden()) {
            show();
            return;
        }
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

private:
    QLabel* m_text;
};

class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(ResultNotice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }
};

QAccessibleInterface* windowInterface(const QString&, QObject* object)
{
    if (auto* notice = qobject_cast<ResultNotice*>(object))
        return new NoticeAccessible(notice);
    auto* label = qobject_cast<QLabel*>(object);
    auto* window = label ? qobject_cast<frmMain*>(label->parentWidget()) : nullptr;
    if (window && isMenuLabel(window->widgets(), label))
        return new MenuLabelAccessible(label);
    return nullptr;
}

bool inEnglish(const TapeModel& tape)
{
    return tape.settings().G_Langue == u"EN";
}

} // namespace

QString accessibleCellText(const TapeModel& tape, CellId id, bool english)
{
    const QString& shown = tape.cell(id).text;
    const char16_t* kind = nullptr;
    if (id.kind == CellKind::Op)
        kind = english ? u"operator" : u"opérateur";
    else if (tape.Op(id.row).text == u"=")
        kind = english ? u"result" : u"résultat";
    else
        kind = english ? u"figure" : u"nombre";
    QString said = (english ? QStringLiteral("Row ") : QStringLiteral("Ligne ")) +
                   QString::number(id.row + 1) + QStringLiteral(", ") + QString::fromUtf16(kind) +
                   QStringLiteral(", ") +
                   (shown.isEmpty() ? text(u"empty", u"vide", english) : shown);
    if (!tape.note(id.row).isEmpty())
        said += (english ? QStringLiteral(", note: ") : QStringLiteral(", note : ")) +
                tape.note(id.row);
    return said;
}

void ShowAccessibleText(TapeCell& cell, const TapeModel& tape)
{
    const QString name = accessibleCellText(tape, cell.id(), inEnglish(tape));
    if (cell.accessibleName() != name)
        cell.setAccessibleName(name);
}

void AnnounceNewResult(QWidget& window, const TapeModel& tape, const TapeChanges& changes)
{
    int row = -1;
    for (const TapeChanges::Entry& e : changes.cells) {
        if (e.cell.kind == CellKind::Op && (e.what & TapeChanges::Text) &&
            tape.cell(e.cell).text == u"=")
            row = std::max(row, e.cell.row);
    }
    if (row < 0)
        return;
    auto* notice = window.findChild<ResultNotice*>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new ResultNotice(&window);
    notice->say(accessibleCellText(tape, CellId::Nombre(row), inEnglish(tape)));
}

void InstallAccessibility()
{
    InstallPictureAccessibility();
    QAccessible::installFactory(windowInterface); // a factory already there is not added
}

void ApplyAccessibleTexts(frmMain& window)
{
    const bool english = inEnglish(window.tape());
    const frmMain::Widgets& w = window.widgets();
    // A language is named in itself, so that someone who does not understand the current one
    // still finds theirs.
    const std::pair<QWidget*, Texts> widgetTexts[] = {
        {w.Ouvrir, {u"Open", u"Ouvrir", u"Open a tape", u"Ouvrir un ruban"}},
        {w.Enregistrer,
         {u"Save", u"Enregistrer", u"Save the tape to a file",
          u"Enregistrer le ruban dans un fichier"}},
        {w.Imprimer, {u"Print", u"Imprimer", u"Print the tape", u"Imprimer le ruban"}},
        {w.Iconifier, {u"Minimise", u"Réduire", u"Minimise the window", u"Réduire la fenêtre"}},
        {w.Quitter,
         {u"Close", u"Fermer", u"Save the tape and close Talco",
          u"Enregistrer le ruban et fermer Talco"}},
        {w.DrapeauFrancais,
         {u"Français", u"Français", u"Show Talco in French", u"Afficher Talco en français"}},
        {w.DrapeauAnglais,
         {u"English", u"English", u"Show Talco in English", u"Afficher Talco en anglais"}},
        {w.LabOptions,
         {u"Options", u"Options", u"Choose the decimals and the thousands separator",
          u"Choisir les décimales et le séparateur de milliers"}},
        {w.LabAbout,
         {u"About", u"À propos", u"Show the version and the maker's details",
          u"Afficher la version et les coordonnées de l'éditeur"}},
        {w.LabAide, {u"Help", u"Aide", u"Open the guide", u"Ouvrir le guide"}},
        {w.SiteKorvelsoft,
         {u"www.korvelsoft.com", u"www.korvelsoft.com", u"Open the maker's web site",
          u"Ouvrir le site de l'éditeur"}},
    };
    for (const auto& [widget, t] : widgetTexts)
        setTexts(widget, text(t.nameEn, t.nameFr, english),
                 text(t.descriptionEn, t.descriptionFr, english));

    for (const KeyTexts& k : keyTexts) {
        const Texts& t = k.texts;
        const QString name = text(t.nameEn, t.nameFr, english);
        QString description;
        if (t.descriptionEn) {
            description = text(t.descriptionEn, t.descriptionFr, english);
        } else {
            const QChar digit = QChar(k.base[2]);
            description = english ? QStringLiteral("Type %1 in the figure").arg(digit)
                                  : QStringLiteral("Taper %1 dans le nombre").arg(digit);
        }
        setTexts(w.FrameClavier->key(QString::fromUtf16(k.base)), name, description);
    }

    for (int row = 0; row < TapeRowCount; ++row) {
        for (CellId id : {CellId::Op(row), CellId::Nombre(row)}) {
            if (TapeCell* cell = window.view().made(id))
                ShowAccessibleText(*cell, window.tape());
        }
    }
}

} // namespace talco

#include "accessibility.moc"
