#include "application.h"

#include <QApplication>
#include <QFont>
#include <QString>

namespace tallomat {
namespace {

// Families that the description stores, and the installed fonts that stand in for them:
// Liberation has the metrics of the first three, DejaVu Sans the build of Verdana.
struct FontSubstitute {
    const char* family;
    const char* substitute;
};
constexpr FontSubstitute kFontSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Verdana", "DejaVu Sans"},
};

}  // namespace

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("Simple Tallomat"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Lets the desktop match the window to its menu entry, icon and software-centre page.
    QApplication::setDesktopFileName(QStringLiteral(TALLOMAT_APP_ID));
    // Fusion paints a key's face from its palette, so the keys keep their grey face, raised and
    // pressed states on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    for (const FontSubstitute& font : kFontSubstitutes) {
        QFont::insertSubstitution(QString::fromLatin1(font.family),
                                  QString::fromLatin1(font.substitute));
    }
}

}  // namespace tallomat
