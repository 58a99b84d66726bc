#pragma once

#include <cstdint>

// The character codes that the display hands to its key filter for keys that type no visible
// character, as 16-bit signed integers.
namespace tallomat::charcode {

inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kEnter = 13;
inline constexpr std::int16_t kEscape = 27;
// Codes from the space on are characters that a field shows; those below it are control codes.
inline constexpr std::int16_t kSpace = 32;
// The last 7-bit code is a control code too: the printable ASCII characters lie between the two.
inline constexpr std::int16_t kDelete = 127;

}  // namespace tallomat::charcode
