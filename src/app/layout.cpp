#include "app/layout.h"

namespace talco {

MainLayout ComputeLayout(int W, int H, int previousClavierHeight)
{
    MainLayout l;
    l.ImgBordHaut = {10, 0, W - 30, BordHautHeight};
    l.LabFondEcran = {10, l.ImgBordHaut.height, W - 30,
                      H - l.ImgBordHaut.height - previousClavierHeight - BordBasHeight};
    l.ScrollV = {2565, l.ImgBordHaut.height, 255, l.LabFondEcran.height};
    l.MSFlexGrid1 = {2565, 405, 260, l.LabFondEcran.height};
    l.Ecran = {120, l.LabFondEcran.top + 100, W - 500, l.LabFondEcran.height - 300};

    const int printWidth = 300;
    const int buttonHeight = 250;
    const int buttonTop = l.LabFondEcran.top + l.LabFondEcran.height - buttonHeight - 10;
    l.Imprimer = {l.LabFondEcran.left + l.LabFondEcran.width - printWidth - l.MSFlexGrid1.width,
                  buttonTop, printWidth, buttonHeight};
    l.Ouvrir = {200, buttonTop, 300, buttonHeight};
    l.Enregistrer = {600, buttonTop, 300, buttonHeight};

    // The keypad's height follows the window's width, not its height.
    l.ImgClavier = {10, l.LabFondEcran.top + l.LabFondEcran.height, W - 30, W - 150};
    l.FrameClavier = {200, l.ImgClavier.top + 250, 2415, 1935};
    const int menuTop = l.ImgClavier.top + l.ImgClavier.height - 270;
    l.LabOptions = {0, menuTop, 735, 255};
    l.LabAbout = {840, menuTop, 735, 255};
    l.LabAide = {1560, menuTop, 615, 255};
    l.ImgBordBas = {10, l.ImgClavier.top + l.ImgClavier.height, W - 30, BordBasHeight};
    return l;
}

} // namespace talco
