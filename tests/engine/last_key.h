#pragma once

#include <gtest/gtest.h>

#include <ostream>
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

// A row that ends with a key that leaves a finished value (a function or a trigonometric key). A
// result, the tangent's refusal included, is written once without a focus request; a failure
// writes nothing and asks for the focus once. Either way `startnew` is True and no message shows.
struct FinishedValueCase {
    const char* keys;
    const char* display;  // "\s" for a space
    double firstnum;
    bool fails;
};

inline void PrintTo(const FinishedValueCase& row, std::ostream* out) {
    *out << row.keys;
}

inline void ExpectFinishedValue(const FinishedValueCase& row) {
    KeyPlayer player;
    const std::vector<std::string> writes = WritesOfLastKey(player, row.keys);
    const std::string display = WithSpaces(row.display);
    EXPECT_EQ(player.window.display, display);
    EXPECT_EQ(writes, row.fails ? std::vector<std::string>{} : std::vector<std::string>{display});
    EXPECT_EQ(player.state().firstnum, row.firstnum);
    EXPECT_EQ(player.state().startnew, kTrue);
    EXPECT_EQ(player.window.focusRequests, row.fails ? 1 : 0);
    EXPECT_TRUE(player.window.messages.empty());
}

// A key between an operator key and "=": the rows end with "=", and the display shows the key's
// value, then the result of "=" with whatever the key left in `firstnum`.
struct PendingCase {
    const char* keys;
    const char* functionShows;  // "\s" for a space
    const char* equalsShows;
};

inline void PrintTo(const PendingCase& row, std::ostream* out) {
    *out << row.keys;
}

inline void ExpectBeforeEquals(const PendingCase& row) {
    KeyPlayer player;
    player.play(row.keys);
    const std::vector<std::string>& writes = player.window.displayWrites;
    ASSERT_GE(writes.size(), 2U);
    EXPECT_EQ(writes[writes.size() - 2], WithSpaces(row.functionShows));
    EXPECT_EQ(writes.back(), row.equalsShows);
}

}  // namespace tallomat::testing
