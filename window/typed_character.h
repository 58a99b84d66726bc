#pragma once

#include <cstdint>
#include <vector>

class QKeyEvent;

namespace tallomat {

// The character codes that a key press in the display hands to the key filter, in typing order, as
// 16-bit signed integers: Enter, Backspace and Escape give their codes of character_codes.h, and a
// typed text gives one code per UTF-16 unit (so a character beyond 16 bits gives two surrogate
// codes, both negative, which the filter discards). The keypad's decimal key gives the point's
// code, whether it types "," or ".". Empty when the key types no character or is an editing
// command of the field itself (arrows, Home, End, Delete, copy, cut, paste, select all, undo,
// redo) or focus navigation (Tab, Shift+Tab): the field or the window handles those as usual.
std::vector<std::int16_t> typedCharacterCodes(const QKeyEvent& event);

}  // namespace tallomat
