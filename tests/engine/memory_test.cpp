// The memory register: key sequence in; display, `memnum`, indicator, `startnew` and focus out.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "key_player.h"

namespace tallomat::testing {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct MemoryCase {
    const char* keys;
    const char* display;  // "\s" for a space
    double memnum;
    const char* indicator;
    Boolean16 startnew;
    int focusRequests;  // MC asks once on its own; every failure asks once
};

void PrintTo(const MemoryCase& row, std::ostream* out) {
    *out << row.keys;
}

const MemoryCase kMemory[] = {
    {"mrecall", "0", 0, "", kFalse, 0},
    // MS stores the number shown and leaves the entry going.
    {"Command5 mstore", "5", 5, "M", kFalse, 0},
    {"Command5 mstore Command3", "53", 5, "M", kFalse, 0},
    {"Command5 mstore Command7 cmdadd mstore", "\\s", 5, "M", kFalse, 1},
    {"Command7 cmdadd mstore", "\\s", 0, "", kFalse, 1},
    {"display=Invalid\\sinput\\sfor\\sfunction\\s mstore", "Invalid\\sinput\\sfor\\sfunction\\s", 0,
     "", kFalse, 1},
    // MR writes the register and leaves `startnew`: mid-entry the next digit extends the text.
    {"Command8 mstore mrecall Command1", "81", 8, "M", kFalse, 0},
    {"Command8 mstore Command2 cmdadd Command3 cmdequal mrecall Command1", "1", 8, "M", kFalse, 0},
    {"display=0.1 mstore display=0.2 mplus mrecall", "0.3", 0.30000000000000004, "M", kTrue, 0},
    // M+ adds the number shown; the next digit starts a new number.
    {"Command5 mstore display=3 mplus", "3", 8, "M", kTrue, 0},
    {"Command5 mstore display=3 mplus Command1 mrecall", "8", 8, "M", kFalse, 0},
    {"mclear Command4 mplus", "4", 4, "", kTrue, 1},
    {"display=Infinity mstore display=5 mplus mrecall", "Infinity", kInfinity, "M", kTrue, 0},
    {"Command5 mstore mclear mplus", "", 0, "", kFalse, 2},
    {"Command5 mstore Command7 cmdadd mplus", "\\s", 5, "M", kFalse, 1},
    // A sum that fails its status check leaves the stored number as it was.
    {"display=1E+308 mstore mplus", "1E+308", 1e308, "M", kFalse, 1},
    {"display=1E+308 mstore mplus mrecall", "1E+308", 1e308, "M", kFalse, 1},
    {"display=Infinity mstore display=-Infinity mplus", "-Infinity", kInfinity, "M", kFalse, 1},
    // MC clears the register, the display and the indicator, and focuses the display.
    {"Command5 mstore mclear", "", 0, "", kFalse, 1},
    {"Command5 mstore mclear mrecall", "0", 0, "", kFalse, 1},
    {"Command5 mstore mclear mstore", "", 0, "", kFalse, 2},
    // After MC "=" reads the empty display as 0, and an operator key fails.
    {"Command2 cmdadd Command3 cmdequal mclear cmdequal", "2", 0, "", kTrue, 1},
    {"mclear cmdadd", "", 0, "", kFalse, 2},
};

class Memory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(Memory, LeavesRegisterIndicatorAndDisplay) {
    const MemoryCase& row = GetParam();
    KeyPlayer player;
    EXPECT_EQ(player.play(row.keys), WithSpaces(row.display));
    EXPECT_EQ(player.state().memnum, row.memnum);
    EXPECT_EQ(player.window.indicator, row.indicator);
    EXPECT_EQ(player.state().startnew, row.startnew);
    EXPECT_EQ(player.window.focusRequests, row.focusRequests);
    EXPECT_TRUE(player.window.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, Memory, ::testing::ValuesIn(kMemory), NameByKeys());

// The memory keys leave a pending operation alone: "=" still adds to 7 what the display holds.
TEST(Memory, LeavesThePendingOperation) {
    KeyPlayer player;
    EXPECT_EQ(player.play("Command7 cmdadd Command5 mstore mplus mrecall cmdequal"), "17");
    EXPECT_EQ(player.state().firstnum, 7);
    EXPECT_EQ(player.state().operation, "+");
    EXPECT_EQ(player.state().memnum, 10);
}

}  // namespace
}  // namespace tallomat::testing
