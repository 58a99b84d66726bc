#pragma once

namespace tallomat {

// Sets the application's name, version and desktop file name, and the widget style that paints key
// faces in their own colour. Call once after the QApplication exists and before the window is
// created; the program, its tools and its tests all start this way.
void prepareApplication();

}  // namespace tallomat
