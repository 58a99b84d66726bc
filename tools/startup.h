#pragma once

namespace tallomat {

class frmmain;

// Selects the offscreen platform unless QT_QPA_PLATFORM names another. Call before the
// QApplication exists.
void preferOffscreenPlatform();

// Shows the window as at program start and waits until it is active with the display focused.
void showAsAtStart(frmmain& window);

// Asks for the window's activation and waits until the window is shown, then for at most two
// seconds until it is active: a compositor may never activate it.
void activate(frmmain& window);

}  // namespace tallomat
