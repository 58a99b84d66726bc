#pragma once

#include <QIcon>

namespace tallomat {

// The window's icon: the note pad at 32 x 32 and 16 x 16 pixels.
QIcon programIcon();

}  // namespace tallomat
