#include "startup.h"

#include <QTest>

#include "frmmain.h"

namespace tallomat {

void preferOffscreenPlatform() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

void showAsAtStart(frmmain& window) {
    window.show();
    activate(window);
}

void activate(frmmain& window) {
    // The window is ready once it is shown. Activation is only asked for: a compositor need not
    // grant it (a Wayland one activates windows on its own terms, whatever Qt's platform says
    // it can do), and the controls keep the window's focus without the window being active.
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window)) {
        qWarning("the window was not shown");
        return;
    }
    // Where the platform grants it, as offscreen and X11 do, the focus is reported only once the
    // activation has arrived; where it never arrives, the window is used as it is.
    constexpr int kActivationWaitMs = 2000;
    static_cast<void>(QTest::qWaitFor([&] { return window.isActiveWindow(); }, kActivationWaitMs));
}

}  // namespace tallomat
