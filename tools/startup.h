#pragma once

namespace tallomat {

class frmmain;

// Selects the offscreen platform unless QT_QPA_PLATFORM names another. Call before the
// QApplication exists.
void preferOffscreenPlatform();

// Shows the window as at program start and waits until it is active with the display focused.
void showAsAtStart(frmmain& window);

// Activates the window and waits until it is; on a platform without window activation (Wayland),
// waits until it is shown instead.
void activate(frmmain& window);

}  // namespace tallomat
