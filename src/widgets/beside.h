#pragma once

class QWidget;

namespace talco {

// The room check made before a secondary window opens beside the main window: when
// it would pass the screen's right edge, the main window moves left so that the
// secondary window ends flush with the edge. Tops are not changed.
void MakeRoomBeside(QWidget* main, QWidget* secondary);

// Opens a secondary window beside the main one, room made, in front.
void ShowBeside(QWidget* main, QWidget* secondary);

// Places secondary against main's right edge, tops aligned.
void PlaceBeside(QWidget* main, QWidget* secondary);

} // namespace talco
