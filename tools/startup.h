#pragma once

namespace tallomat {

class frmmain;

// Selects the offscreen platform unless QT_QPA_PLATFORM names another. Call before the
// QApplication exists.
void preferOffscreenPlatform();

// Shows the window as at program start and waits until it is active with the display focused.
void showAsAtStart(frmmain& window);

// Activates the window and waits until it is (a platform without window activation, such as
// Xvfb with no window manager, makes this wait five seconds and warn).
void activate(frmmain& window);

}  // namespace tallomat
