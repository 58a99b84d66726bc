#include "window_icon.h"

#include <QPixmap>

#include "icon_16.xpm"
#include "icon_32.xpm"

namespace tallomat {

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(tallomat_icon_32_xpm));
    icon.addPixmap(QPixmap(tallomat_icon_16_xpm));
    return icon;
}

}  // namespace tallomat
