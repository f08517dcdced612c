#pragma once

namespace talco {

// Makes every picture control that acts on a click a button for assistive technologies
// (screen readers reach the program through them): its name and description are the
// widget's accessible ones, and its press action does what a click does. The other
// pictures (backgrounds, the edges that move or size the window) stay plain widgets.
// Calling it again does nothing.
void InstallPictureAccessibility();

} // namespace talco
