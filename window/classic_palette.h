#pragma once

#include <QPalette>

namespace tallomat {

// The one palette that the window paints with: dark text on light grey faces, whatever colour
// scheme the desktop has. Every role of every colour group is set, so that no colour of the
// desktop's palette shows through when Qt resolves it against the application's palette.
const QPalette& classicPalette();

}  // namespace tallomat
