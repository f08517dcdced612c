#pragma once

#include "tape/settings.h"
#include "widgets/windowdrag.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;

namespace talco {

class ImageList;
class Picture;

// What the options window needs of the main window.
struct OptionsHost {
    Settings& settings;
    // Sets the four settings and rewrites params.txt.
    std::function<void(const QString& langue, const QString& les2chiffres,
                       const QString& les3chiffres, const QString& milliers)>
        SaveParams;
    ImageList& images;
};

// The options window: two or three decimals and the thousands separator. Every click
// takes effect at once; there is no OK or Cancel.
class frmOptions : public QWidget {
    Q_OBJECT
public:
    frmOptions(QWidget* mainWindow, const OptionsHost& host);

    void Initialisation(const QString& langue) { m_langue = langue; }

    struct Widgets {
        Picture* ImgFond = nullptr;
        Picture* Quitter = nullptr;
        QCheckBox* Check2Chiffres = nullptr;
        QCheckBox* Check3Chiffres = nullptr;
        QCheckBox* CheckMilliers = nullptr;
        QLabel* Label4 = nullptr;
        QLabel* Label1 = nullptr;
        QLabel* Label5 = nullptr;
    };
    const Widgets& widgets() const { return m_w; }

    void Check2Chiffres_Click();
    void Check3Chiffres_Click();
    void CheckMilliers_Click();

private:
    void Form_Load();
    void exclusiveClick(QCheckBox* clicked, QCheckBox* other);
    void save();

    QWidget* m_main;
    OptionsHost m_host;
    Widgets m_w;
    QString m_langue;
    bool m_loading = false;
    WindowDrag m_drag;
};

} // namespace talco
