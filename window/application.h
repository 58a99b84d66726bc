#pragma once

namespace tallomat {

// Sets the application's name, version and desktop file name, the widget style that paints key
// faces in their own colour, and the classic palette in place of the desktop's colour scheme. Call
// once after the QApplication exists and before the window is created; the program, its tools and
// its tests all start this way.
void prepareApplication();

}  // namespace tallomat
