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
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        qWarning("the window did not become active");
    }
}

}  // namespace tallomat
