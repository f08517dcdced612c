#pragma once

// The main window's widgets: made, placed from the layout and given their texts here, so
// that the window itself only wires them to what they do.

#include "app/layout.h"

class QFrame;
class QLabel;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace talco {

class ImageList;
class Keypad;
class KeypadPanel;
class Picture;

struct MainWidgets {
    Picture* ImgBordHaut = nullptr;
    QLabel* LabFondEcran = nullptr;
    QWidget* Ecran = nullptr; // the tape's cells live in it
    QScrollBar* ScrollV = nullptr;
    Picture* Imprimer = nullptr;
    Picture* Ouvrir = nullptr;
    Picture* Enregistrer = nullptr;
    Picture* ImgClavier = nullptr;
    KeypadPanel* FrameClavier = nullptr;
    QLabel* LabOptions = nullptr;
    QLabel* LabAbout = nullptr;
    QLabel* LabAide = nullptr;
    Picture* ImgBordBas = nullptr;
    QLabel* SiteKorvelsoft = nullptr;
    QFrame* FrameAide1 = nullptr;
    QFrame* FrameAide2 = nullptr;
    QLabel* LabMessAide1 = nullptr;
    QLabel* LabMessAide2 = nullptr;
    // Hidden: they hold the language, which the flags choose.
    QRadioButton* OptionFrancais = nullptr;
    QRadioButton* OptionAnglais = nullptr;
    Picture* DrapeauFrancais = nullptr;
    Picture* DrapeauAnglais = nullptr;
    Picture* Iconifier = nullptr;
    Picture* Quitter = nullptr;

    // Makes every widget on window; the ones with fixed places get them now.
    void create(QWidget* window, ImageList& images, Keypad& keypad);
    // Puts the parts that follow the window's size where the layout says.
    void place(const MainLayout& layout) const;
    void setTexts(bool english) const;
};

} // namespace talco
