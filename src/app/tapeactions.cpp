#include "app/tapeactions.h"

#include "app/frmmain.h"
#include "app/tapeview.h"
#include "keypad/keypadpanel.h"
#include "tape/clipboard.h"
#include "widgets/picture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

namespace talco {

TapeActions::TapeActions(frmMain& window, AskNote askNote, Tell tell)
    : m_window(window), m_askNote(std::move(askNote)), m_tell(std::move(tell))
{
    // Escape clears as on desktop calculators, and undo brings the tape back; the rest
    // follow the usual desktop keys.
    const auto keypad = [&window](auto action) {
        return [&window, action] {
            action(window.keypad());
            window.view().sync();
        };
    };
    const std::pair<QKeyCombination, std::function<void()>> shortcuts[] = {
        {QKeyCombination(Qt::Key_Escape), keypad([](Keypad& k) { k.ImgC_Click(); })},
        {Qt::CTRL | Qt::Key_E, keypad([](Keypad& k) { k.ImgMonnaie_Click(0); })},
        {Qt::CTRL | Qt::Key_F, keypad([](Keypad& k) { k.ImgMonnaie_Click(1); })},
        {Qt::CTRL | Qt::Key_O, [&window] { window.Ouvrir_Click(); }},
        {Qt::CTRL | Qt::Key_S, [&window] { window.Enregistrer_Click(); }},
        {Qt::CTRL | Qt::Key_P, [&window] { window.Imprimer_Click(); }},
        {Qt::CTRL | Qt::Key_Comma, [&window] { window.LabOptions_Click(); }},
        {QKeyCombination(Qt::Key_F1), [&window] { window.LabAide_Click(); }},
        {Qt::CTRL | Qt::Key_F1, [&window] { window.LabAbout_Click(); }},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_C, [this] { copyTape(); }},
    };
    for (const auto& [key, action] : shortcuts) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, action);
        m_shortcuts << shortcut;
    }

    CellActions& actions = window.view().actions();
    actions.editNote = [this](int row) { editNote(row); };
    actions.copyTape = [this] { copyTape(); };
    actions.pasted = [this](const PasteOutcome& outcome) { pasted(outcome); };
    actions.english = [this] { return english(); };
    actions.isShortcut = [this](const QKeyEvent* event) {
        const QKeySequence pressed(event->keyCombination());
        for (const QShortcut* s : m_shortcuts) {
            if (s->key().matches(pressed) == QKeySequence::ExactMatch)
                return true;
        }
        return false;
    };
}

bool TapeActions::english() const
{
    return m_window.settings().G_Langue == u"EN";
}

void TapeActions::applyTips(bool english)
{
    struct Tip {
        QWidget* widget;
        const char16_t* fr;
        const char16_t* en;
    };
    const frmMain::Widgets& w = m_window.widgets();
    KeypadPanel* keys = w.FrameClavier;
    const Tip tips[] = {
        {keys->key(QStringLiteral("c")), u"Effacer le ruban (\u00C9chap)", u"Clear the tape (Esc)"},
        {keys->key(QStringLiteral("monnaie0")), u"Francs en euros (Ctrl+E)",
         u"Francs to euros (Ctrl+E)"},
        {keys->key(QStringLiteral("monnaie1")), u"Euros en francs (Ctrl+F)",
         u"Euros to francs (Ctrl+F)"},
        {w.Ouvrir, u"Ouvrir (Ctrl+O)", u"Open (Ctrl+O)"},
        {w.Enregistrer, u"Sauvegarder (Ctrl+S)", u"Save (Ctrl+S)"},
        {w.Imprimer, u"Imprimer (Ctrl+P)", u"Print (Ctrl+P)"},
        {w.LabOptions, u"Options (Ctrl+,)", u"Options (Ctrl+,)"},
        {w.LabAbout, u"A propos (Ctrl+F1)", u"About (Ctrl+F1)"},
        {w.LabAide, u"Aide (F1)", u"Help (F1)"},
    };
    for (const Tip& tip : tips) {
        if (tip.widget)
            tip.widget->setToolTip(QString::fromUtf16(english ? tip.en : tip.fr));
    }
}

void TapeActions::editNote(int row)
{
    m_window.HideHints();
    const bool english = this->english();
    TapeModel& tape = m_window.tape();
    const QString current = tape.note(row);
    std::optional<QString> note;
    if (m_askNote) {
        note = m_askNote(row, current);
    } else {
        QInputDialog dialog(&m_window);
        dialog.setWindowTitle(QStringLiteral("Note"));
        dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
        const QString label =
            english
                ? QStringLiteral("Note on row %1 (up to %2 characters; Ctrl+Enter to keep it):")
                : QStringLiteral(
                      "Note de la ligne %1 (%2 caractères au plus ; Ctrl+Entrée pour la garder) :");
        dialog.setLabelText(label.arg(row + 1).arg(MaxNoteLength));
        dialog.setTextValue(current);
        dialog.setOkButtonText(QStringLiteral("OK"));
        dialog.setCancelButtonText(english ? QStringLiteral("Cancel") : QStringLiteral("Annuler"));
        // Enter breaks the line in the note, so the keyboard keeps it with Ctrl+Enter.
        for (QKeyCombination key : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
            auto* keep = new QShortcut(QKeySequence(key), &dialog);
            QObject::connect(keep, &QShortcut::activated, &dialog, &QDialog::accept);
        }
        dialog.resize(QSize(320, 170));
        if (dialog.exec() == QDialog::Accepted)
            note = dialog.textValue();
        // Typing goes on in the tape, also where no window manager gives the focus back.
        m_window.activateWindow();
    }
    if (note) {
        tape.editNote(row, *note);
        m_window.view().sync();
    }
}

void TapeActions::copyTape()
{
    QGuiApplication::clipboard()->setText(TapeAsColumns(m_window.tape()));
}

void TapeActions::pasted(const PasteOutcome& outcome)
{
    if (outcome.skipped == 0)
        return;
    const bool english = this->english();
    const bool one = outcome.skipped == 1;
    const QString text = english
                             ? (one ? QStringLiteral("1 line without a number was skipped.")
                                    : QStringLiteral("%1 lines without a number were skipped."))
                             : (one ? QStringLiteral("1 ligne sans nombre a été ignorée.")
                                    : QStringLiteral("%1 lignes sans nombre ont été ignorées."));
    m_tell(one ? text : text.arg(outcome.skipped));
}

} // namespace talco
