#pragma once

namespace tallomat {

// Lets screen readers read and edit a text field as they do any editable text of the desktop. The
// first call installs the accessibility of every text field; later calls do nothing.
void installTextFieldAccessibility();

}  // namespace tallomat
