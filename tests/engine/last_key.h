#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "key_player.h"

namespace tallomat::testing {

// Plays every token of `keys` but the last, then the last one alone, and returns the display
// writes that the last one made: an operation writes its result once, and a failure writes none.
inline std::vector<std::string> WritesOfLastKey(KeyPlayer& player, std::string_view keys) {
    const std::size_t split = keys.rfind(' ');
    const std::string_view before = split == std::string_view::npos ? "" : keys.substr(0, split);
    player.play(before);
    const std::size_t writesBefore = player.window.displayWrites.size();
    player.play(keys.substr(split == std::string_view::npos ? 0 : split + 1));
    return {player.window.displayWrites.begin() + static_cast<std::ptrdiff_t>(writesBefore),
            player.window.displayWrites.end()};
}

}  // namespace tallomat::testing
