#include "application.h"

#include <QApplication>
#include <QString>
#include <QToolTip>

#include "classic_palette.h"
#include "identity.h"
#include "qt_text.h"

namespace tallomat {

void prepareApplication() {
    QApplication::setApplicationName(toQString(kProgramName));
    QApplication::setApplicationVersion(toQString(kProgramVersion));
    // Lets the desktop match the window to its menu entry, icon and software-centre page.
    QApplication::setDesktopFileName(toQString(kAppId));
    // Fusion paints a key's face from its palette, so the keys keep their grey face, raised and
    // pressed states on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The window paints with its own palette; menus and tooltips follow it, not the desktop.
    QApplication::setPalette(classicPalette());
    QToolTip::setPalette(classicPalette());
}

}  // namespace tallomat
