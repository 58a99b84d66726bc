#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "form_description.h"

class QWidget;

namespace tallomat {

// The Qt widget for one control entry, placed in `container` and fully set up from the entry:
// objectName, geometry, caption, accessible name, tooltip, font, colours, enabled state and focus
// policy.
QWidget* createControl(const ControlEntry& entry, QWidget* container);

// A stored font as Qt shows it: its installed stand-in, at the stored size and weight.
QFont toQFont(const FontSpec& font);

// The palette that the window hands down to its controls: the classic palette with the window's
// back colour and the face of its keys, so that the keys, the frame and the options need no palette
// of their own (only colours that differ from these are set on a control).
QPalette windowPalette(const FormDescription& form);

// A colour of the description; system colours come from the classic palette.
QColor toQColor(const Colour& colour);

}  // namespace tallomat
