#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine.h"

namespace tallomat {

// The keys whose clicks the engine handles, by control name: every key of the window but "Exit",
// which only closes the window. Digit keys receive their group index ("1" has 0, ..., "0" has 9).
struct DigitKeyClick {
    std::string_view name;
    void (Engine::*click)(std::int16_t);
    std::int16_t groupIndex;
};

struct KeyClick {
    std::string_view name;
    void (Engine::*click)();
    // Whether the key, when it succeeds, shows a number that it computed or recalled, written by
    // ToText; the other keys edit the entry, clear it, or leave the display alone.
    bool showsNumber;
};

std::span<const DigitKeyClick> DigitKeyClicks();
std::span<const KeyClick> OtherKeyClicks();

// Runs the click of the named key; false when no engine key has that name.
bool ClickKey(Engine& engine, std::string_view name);

}  // namespace tallomat
