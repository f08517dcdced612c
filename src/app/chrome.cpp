// The main window's chrome: moving it by its pictures, minimise and close, the hint
// panels' clicks, and the language flags.

#include "app/frmmain.h"
#include "keypad/keypadpanel.h"
#include "widgets/picture.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include <utility>

namespace talco {

void frmMain::createChrome()
{
    connect(m_w.DrapeauFrancais, &Picture::clicked, this, &frmMain::DrapeauFrancais_Click);
    connect(m_w.DrapeauAnglais, &Picture::clicked, this, &frmMain::DrapeauAnglais_Click);
    connect(m_w.Iconifier, &Picture::clicked, this, &frmMain::Iconifier_Click);
    connect(m_w.Quitter, &Picture::clicked, this, &frmMain::Quitter_Click);

    // The option buttons hold the language; the flags are the user's way to choose.
    for (QRadioButton* option : {m_w.OptionFrancais, m_w.OptionAnglais}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                chooseLanguage();
        });
    }

    // The bottom border: the window's height follows it while it is held.
    connect(m_w.ImgBordBas, &Picture::mouseDown, this, [this] {
        HideHints();
        m_heightDrag.press();
    });
    connect(m_w.ImgBordBas, &Picture::mouseMove, this, [this] {
        m_heightDrag.move(this);
        resetHoveredKey();
    });
    connect(m_w.ImgBordBas, &Picture::mouseUp, this, [this] { m_heightDrag.release(); });

    // The title bar, the maker's label and the keypad background move the window.
    for (Picture* area : {m_w.ImgBordHaut, m_w.ImgClavier}) {
        connect(area, &Picture::mouseDown, this, &frmMain::ImgBordHaut_MouseDown);
        connect(area, &Picture::mouseMove, this, &frmMain::ImgBordHaut_MouseMove);
        connect(area, &Picture::mouseUp, this, &frmMain::ImgBordHaut_MouseUp);
    }
    m_w.SiteKorvelsoft->installEventFilter(this);
    m_w.Ecran->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_w.SiteKorvelsoft) {
        if (type == QEvent::MouseButtonPress) {
            m_sitePressedAt = pos();
            ImgBordHaut_MouseDown();
        } else if (type == QEvent::MouseMove) {
            ImgBordHaut_MouseMove();
        } else if (type == QEvent::MouseButtonRelease) {
            ImgBordHaut_MouseUp();
            // A click that moved nothing opens the site, as the address in About does.
            if (std::exchange(m_sitePressedAt, std::nullopt) == pos())
                openMakerSite();
        }
    } else if (type == QEvent::MouseButtonRelease && watched == m_w.LabOptions) {
        LabOptions_Click();
    } else if (type == QEvent::MouseButtonRelease && watched == m_w.LabAbout) {
        LabAbout_Click();
    } else if (type == QEvent::MouseButtonRelease && watched == m_w.LabAide) {
        LabAide_Click();
    } else if (type == QEvent::MouseButtonPress &&
               (watched == m_w.Ecran || watched == m_w.FrameAide1 || watched == m_w.FrameAide2 ||
                watched == m_w.LabMessAide1 || watched == m_w.LabMessAide2)) {
        // Any click on the tape area or a hint hides both hints for the rest of the run.
        HideHints();
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::ImgBordHaut_MouseDown()
{
    m_drag.press(this);
}

void frmMain::ImgBordHaut_MouseMove()
{
    m_drag.move(this);
    resetHoveredKey();
}

void frmMain::resetHoveredKey()
{
    if (!m_w.FrameClavier->HoveredKey().isEmpty())
        m_w.FrameClavier->ResetHoveredKey();
}

void frmMain::ImgBordHaut_MouseUp()
{
    m_drag.release();
}

void frmMain::Iconifier_Click()
{
    showMinimized();
}

void frmMain::Quitter_Click()
{
    close();
}

void frmMain::chooseLanguage()
{
    if (m_loading) // the saved language being shown, not chosen
        return;
    const QString code =
        m_w.OptionFrancais->isChecked() ? QStringLiteral("FR") : QStringLiteral("EN");
    SaveParams(code, m_settings.G_2Chiffres, m_settings.G_3Chiffres, m_settings.G_Milliers);
    ApplyLanguage();
}

void frmMain::DrapeauFrancais_Click()
{
    m_w.OptionFrancais->setChecked(true);
}

void frmMain::DrapeauAnglais_Click()
{
    m_w.OptionAnglais->setChecked(true);
}

} // namespace talco
