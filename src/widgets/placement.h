#pragma once

class QWidget;

namespace talco {

// Puts the window at screen pixel (100, 100) with the given size in pixels (rounded
// to the nearest, halves to even), above ordinary windows. It is not shown here: a window
// appears once its contents are there to draw, with ShowPlaced or, beside another, with
// ShowBeside.
void PlaceTopmost(QWidget* window, double width, double height);

// Shows a window placed with PlaceTopmost without taking the activation from the window
// that has it.
void ShowPlaced(QWidget* window);

// The pointer's position on the screen, in logical pixels.
int GetCursorX();
int GetCursorY();

} // namespace talco
