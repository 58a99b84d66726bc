#include "startup.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>
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
    // A Wayland compositor activates windows on its own terms: there the window is ready when it
    // is shown, and its controls keep the window's focus without the window being active.
    if (!QGuiApplicationPrivate::platformIntegration()->hasCapability(
            QPlatformIntegration::WindowActivation)) {
        if (!QTest::qWaitForWindowExposed(&window)) {
            qWarning("the window was not shown");
        }
        return;
    }
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        qWarning("the window did not become active");
    }
}

}  // namespace tallomat
