#pragma once

// The main window's layout, in twips, as plain values so that it can be checked
// without a window.

#include "widgets/twips.h"

namespace talco {

inline constexpr int MainWidth = 2850;
inline constexpr int MainStartHeight = 7000;
inline constexpr int MainMinHeight = 5000;
inline constexpr int BordHautHeight = 405;
inline constexpr int BordBasHeight = 90;
inline constexpr int ClavierDesignedHeight = 2715;

// Places of every moving part for a window of W x H twips.
struct MainLayout {
    TwipRect ImgBordHaut;
    TwipRect LabFondEcran;
    TwipRect ScrollV;
    TwipRect MSFlexGrid1;
    TwipRect Ecran;
    TwipRect Imprimer;
    TwipRect Ouvrir;
    TwipRect Enregistrer;
    TwipRect ImgClavier;
    TwipRect FrameClavier;
    TwipRect LabOptions;
    TwipRect LabAbout;
    TwipRect LabAide;
    TwipRect ImgBordBas;
};

// The resize handler's placement steps. The tape background's height reads the keypad
// background's height before this layout sets it, so the caller passes the height the
// previous layout gave it (the designed height on the very first run).
MainLayout ComputeLayout(int W, int H, int previousClavierHeight);

} // namespace talco
