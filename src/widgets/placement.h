#pragma once

class QWidget;

namespace talco {

// Puts the window at screen pixel (100, 100) with the given size in pixels (rounded
// to the nearest, halves to even), above ordinary windows, shown without taking the
// activation.
void PlaceTopmost(QWidget* window, double width, double height);

// The pointer's position on the screen, in logical pixels.
int GetCursorX();
int GetCursorY();

} // namespace talco
