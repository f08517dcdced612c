#pragma once

#include "app/appcontext.h"
#include "app/layout.h"
#include "app/mainwidgets.h"
#include "keypad/keypad.h"
#include "settings/frmoptions.h"
#include "tape/settings.h"
#include "tape/tapemodel.h"
#include "widgets/windowdrag.h"
#include "windows/frmabout.h"
#include "windows/frmaide.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace talco {

class ImageList;
class TicketPrinter;
class TapeView;
class Autosave;
class TapeActions;

// The main window: a composition of the tape, its view, the skins and the buttons.
// The engine owns all tape state; the window forwards events and shows the result.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(const AppContext& context, QWidget* parent = nullptr);
    ~frmMain() override;

    // The command-line text, stored by the entry procedure before the window loads.
    QString G_FichierIn;

    Settings& settings() { return m_settings; }
    TapeModel& tape() { return m_tape; }
    TapeView& view() { return *m_view; }
    ImageList& images() { return *m_images; }
    const QString& dataFolder() const { return m_context.dataFolder; }
    QString dataFile(const QString& name) const;

    void Form_Load();
    void Form_Resize();
    // Writes the tape to ecran.txt. Returns false when it could not be written. Before
    // the start-up tape is in place there is nothing to write: the last one is still there.
    bool Form_Unload(QString* error = nullptr);
    // For a signal: saves the tape and ends the program with status 0, also from inside
    // a message box or before the window is shown.
    void terminate();
    bool terminated() const { return m_terminated; }
    void ApplyLanguage();

    // The window's parts, grouped as the layout names them.
    using Widgets = MainWidgets;
    const Widgets& widgets() const { return m_w; }

    void Ouvrir_Click();
    void Enregistrer_Click();
    void Imprimer_Click();
    void LabOptions_Click();
    void LabAbout_Click();
    void LabAide_Click();
    // Writes the settings and params.txt, telling the user when the file cannot be written.
    void SaveParams(const QString& langue, const QString& les2chiffres, const QString& les3chiffres,
                    const QString& milliers);
    frmOptions* optionsWindow() const { return m_options; }
    frmAide* helpWindow() const { return m_aide; }
    frmAbout* aboutWindow() const { return m_about; }

    bool printPending() const;
    void HideHints();
    Keypad& keypad() { return m_keypad; }

    // The chrome: moving by the title bar, the maker's label and the keypad background;
    // minimise and close; the language flags.
    void ImgBordHaut_MouseDown();
    void ImgBordHaut_MouseMove();
    void ImgBordHaut_MouseUp();
    void Iconifier_Click();
    void Quitter_Click();
    void DrapeauFrancais_Click();
    void DrapeauAnglais_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createWidgets();
    void showHints(bool visible);
    bool readTape(const QString& path, QString& text);
    QString chooseTapeFile(const QString& mode, bool* csv = nullptr);

    void createChrome();
    void resetHoveredKey(); // a key left in its hover picture goes back to normal
    void openMakerSite();
    void message(const QString& text);
    bool ask(const QString& question);
    void chooseLanguage();
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext m_context;
    Settings m_settings;
    TapeModel m_tape;
    ImageList* m_images = nullptr;
    Keypad m_keypad;
    Widgets m_w;
    WindowDrag m_drag;
    HeightDrag m_heightDrag{MainMinHeight};
    std::optional<QPoint> m_sitePressedAt; // where the window was when its address was pressed
    std::unique_ptr<TapeView> m_view;
    std::unique_ptr<TapeActions> m_actions;
    int m_clavierHeight;
    bool m_loading = false; // Form_Load is running
    bool m_terminated = false;
    Autosave* m_autosave = nullptr;
    TicketPrinter* m_printer = nullptr;
    QPointer<frmOptions> m_options;
    QPointer<frmAide> m_aide;
    QPointer<frmAbout> m_about;
};

} // namespace talco
