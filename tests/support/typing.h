#pragma once

#include <cstdint>

#include "engine.h"
#include "fake_window.h"

namespace tallomat::testing {

// A character code typed into the display: the key filter, then the display field's own editing of
// what the filter lets through, at the end of the text, where the tests keep the insertion point.
// Backspace deletes the last character (its whole UTF-8 sequence), a printable code is appended,
// and Enter or a discarded code changes nothing.
void TypeCharacter(Engine& engine, FakeWindow& window, std::int16_t code);

}  // namespace tallomat::testing
