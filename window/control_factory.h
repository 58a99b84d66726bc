#pragma once

#include <QColor>
#include <QFont>

#include "form_description.h"

class QWidget;

namespace tallomat {

// The Qt widget for one control entry, placed in `container` and fully set up from the entry:
// objectName, geometry, caption, accessible name, tooltip, font, colours, enabled state and focus
// policy.
QWidget* createControl(const ControlEntry& entry, QWidget* container);

// A stored font as Qt shows it: its installed stand-in, at the stored size and weight.
QFont toQFont(const FontSpec& font);

// A colour of the description; system colours come from the classic palette.
QColor toQColor(const Colour& colour);

}  // namespace tallomat
