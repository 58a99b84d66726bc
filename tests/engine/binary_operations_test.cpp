// The operator keys and "=": key sequence in, display and registers out.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "key_player.h"

namespace tallomat::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct EvaluationCase {
    const char* keys;
    const char* display;  // "\s" stands for a space
};

class Evaluation : public ::testing::TestWithParam<EvaluationCase> {};

TEST_P(Evaluation, ShowsTheResult) {
    KeyPlayer player;
    EXPECT_EQ(player.play(GetParam().keys), WithSpaces(GetParam().display));
}

// The display text is set directly here; number entry by key has its own tests.
const EvaluationCase kEvaluations[] = {
    {"display=7 cmdadd display=5 cmdequal", "12"},
    {"display=7 cmdadd display=5 cmdequal cmdequal", "19"},
    {"display=7 cmdadd display=5 cmdequal cmdequal cmdequal", "26"},
    {"display=7 cmdsub display=5 cmdequal", "2"},
    {"display=7 cmdsub display=5 cmdequal cmdequal", "5"},
    {"display=7 cmdsub display=5 cmdequal cmdequal cmdequal", "2"},
    {"display=6 cmdmul display=7 cmdequal", "42"},
    {"display=1 cmddiv display=3 cmdequal", "0.333333333333333"},
    {"display=7 cmdadd display=5 cmdadd display=3 cmdequal", "8"},
    {"display=7 cmdadd display=5 cmdequal display=3 cmdequal", "10"},
    {"display=7 cmdadd cmdequal", "7"},
    {"display=7 cmdmul cmdequal", "0"},
    {"display=7 cmddiv cmdequal", "\\s"},
    {"display=7 cmdpower cmdequal", "1"},
    {"display=7 cmdround cmdequal", "7"},
    {"display=7 cmdadd cmdmul display=2 cmdequal", "9"},
    {"display=5 cmdequal", "5"},
    {"display=1.2.3 cmdequal", "1.2.3"},
    {"display=1 cmddiv display=\\s0 cmdequal", "\\s0"},
    {"display=0 cmddiv display=0 cmdequal", "0"},
    {"display=1E+308 cmdmul display=10 cmdequal", "10"},
    {"display=Infinity cmdadd display=5 cmdequal", "Infinity"},
    {"display=Infinity cmdsub display=Infinity cmdequal", "Infinity"},
    {"display=Infinity cmddiv display=0 cmdequal", "Infinity"},
    {"display=2 cmdadd display=1.2.3 cmdequal", "3.2"},
    {"display=2 cmdadd display=\\s5abc cmdequal", "7"},
    // Integer remainder: truncating, sign of the dividend, halves to even before dividing.
    {"display=7 cmdmod display=3 cmdequal", "1"},
    {"display=-7 cmdmod display=3 cmdequal", "-1"},
    {"display=7 cmdmod display=-3 cmdequal", "1"},
    {"display=7.5 cmdmod display=2 cmdequal", "0"},
    {"display=6.5 cmdmod display=4 cmdequal", "2"},
    {"display=7 cmdmod display=0 cmdequal", "0"},
    {"display=-2147483648 cmdmod display=-1 cmdequal", "-1"},
    {"display=-2147483648 cmdmod display=3 cmdequal", "-2"},
    {"display=2147483648 cmdmod display=3 cmdequal", "3"},
    // Round: halves to even, negative decimals round to tens, hundreds, ...
    {"display=3.14159 cmdround display=2 cmdequal", "3.14"},
    {"display=3.14159 cmdround display=2 cmdequal cmdequal", "3.142"},
    {"display=2.5 cmdround display=0 cmdequal", "2"},
    {"display=3.5 cmdround display=0 cmdequal", "4"},
    {"display=0.125 cmdround display=2 cmdequal", "0.12"},
    {"display=1234.5 cmdround display=-2 cmdequal", "1200"},
    {"display=2.5 cmdround display=0.5 cmdequal", "2"},
    {"display=1E+308 cmdround display=-308 cmdequal", "1E+308"},
    // The power loop, to the whole part of the exponent toward zero: 0 gives 1, -m gives 1 / x^m.
    {"display=2 cmdpower display=3 cmdequal", "8"},
    {"display=2 cmdpower display=3 cmdequal cmdequal", "256"},
    {"display=-2 cmdpower display=3 cmdequal", "-8"},
    {"display=2 cmdpower display=2.5 cmdequal", "4"},
    {"display=2 cmdpower display=\\s0 cmdequal", "1"},
    {"display=2 cmdpower display=-0.5 cmdequal", "1"},
    {"display=2 cmdpower display=-2.5 cmdequal", "0.25"},
    {"display=-2 cmdpower display=-3 cmdequal", "-0.125"},
    {"display=10 cmdpower display=-400 cmdequal", "0"},
    {"display=2 cmdpower display=-1075 cmdequal", "0"},
    {"display=2 cmdpower display=-1030 cmdequal", "8.69169475979376E-311"},
    {"display=10 cmdpower display=-309 cmdequal", "1.00000000000002E-309"},
    {"display=0.1 cmdpower display=309 cmdequal", "1.00000000000002E-309"},
    {"display=2 cmdpower display=-Infinity cmdequal", "-Infinity"},
    {"display=2 cmdpower display=1000 cmdequal", "1.07150860718627E+301"},
    {"display=10 cmdpower display=400 cmdequal", "400"},
    {"display=0.5 cmdpower display=2000 cmdequal", "0"},
    {"display=0.5 cmdpower display=1E+15 cmdequal", "0"},
    {"display=-1 cmdpower display=1E+15 cmdequal", "1"},
    {"display=-1 cmdpower display=1000000000000001 cmdequal", "-1"},
    {"display=-1 cmdpower display=1E+300 cmdequal", "1"},
    {"display=1 cmdpower display=1E+300 cmdequal", "1"},
    {"display=0 cmdpower display=1E+300 cmdequal", "0"},
    {"display=-0.5 cmdpower display=1E+15 cmdequal", "0"},
    {"display=Infinity cmdpower display=1E+15 cmdequal", "Infinity"},
    {"display=-Infinity cmdpower display=1E+15 cmdequal", "Infinity"},
    {"display=-Infinity cmdpower display=1000000000000001 cmdequal", "-Infinity"},
    {"display=2 cmdpower display=999999999999 cmdequal", "999999999999"},
    {"display=2 cmdpower display=Infinity cmdequal", "Infinity"},
    {"display=1.0000001 cmdpower display=1E+12 cmdequal", "1E+12"},
};

INSTANTIATE_TEST_SUITE_P(Keys, Evaluation, ::testing::ValuesIn(kEvaluations), NameByKeys());

// The rows of the state table in the header of the state record.
TEST(Evaluation, MovesTheRegistersAsDocumented) {
    struct Row {
        const char* key;
        const char* display;
        double firstnum;
        double secondnum;
        const char* operation;
        double resultnum;
        Boolean16 startnew;
    };
    const Row rows[] = {
        {"Command7", "7", 0, 0, "", 0, kFalse},    {"cmdadd", " ", 7, 0, "+", 0, kFalse},
        {"Command5", " 5", 7, 0, "+", 0, kFalse},  {"cmdequal", "12", 7, 5, "+", 12, kTrue},
        {"cmdequal", "19", 7, 12, "+", 19, kTrue},
    };
    KeyPlayer player;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(player.play(row.key), row.display);
        EXPECT_EQ(player.state().firstnum, row.firstnum);
        EXPECT_EQ(player.state().secondnum, row.secondnum);
        EXPECT_EQ(player.state().operation, row.operation);
        EXPECT_EQ(player.state().resultnum, row.resultnum);
        EXPECT_EQ(player.state().startnew, row.startnew);
    }
}

// What a failing or refusing press leaves behind.
struct AftermathCase {
    const char* keys;
    const char* display;
    double firstnum;
    double secondnum;
    const char* operation;
    double resultnum;  // NaN matches any NaN; zeros must agree in sign
    Boolean16 startnew;
    int focusRequests;
};

class Aftermath : public ::testing::TestWithParam<AftermathCase> {};

TEST_P(Aftermath, KeepsWhatWasStored) {
    const AftermathCase& c = GetParam();
    KeyPlayer player;
    EXPECT_EQ(player.play(c.keys), WithSpaces(c.display));
    EXPECT_EQ(player.state().firstnum, c.firstnum);
    EXPECT_EQ(player.state().secondnum, c.secondnum);
    EXPECT_EQ(player.state().operation, c.operation);
    EXPECT_PRED2(SameNumber, player.state().resultnum, c.resultnum);
    EXPECT_EQ(player.state().startnew, c.startnew);
    EXPECT_EQ(player.window.focusRequests, c.focusRequests);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

const AftermathCase kAftermaths[] = {
    // "=" before any operator key: only secondnum and startnew change.
    {"display=5 cmdequal", "5", 0, 5, "", 0, kTrue, 0},
    // An operator key on a display without a number keeps the earlier operation pending.
    {"display=7 cmdadd cmdmul", "\\s", 7, 0, "+", 0, kFalse, 1},
    {"cmdadd", "", 0, 0, "", 0, kFalse, 1},
    {"display=1.2.3 cmdsub", "1.2.3", 0, 0, "", 0, kFalse, 1},
    // Failing arithmetic stores the IEEE result, keeps the display and focuses it.
    {"display=1 cmddiv display=\\s0 cmdequal", "\\s0", 1, 0, "/", kInf, kTrue, 1},
    {"display=0 cmddiv display=0 cmdequal", "0", 0, 0, "/", kNaN, kTrue, 1},
    {"display=1E+308 cmdadd display=1E+308 cmdequal", "1E+308", 1e308, 1e308, "+", kInf, kTrue, 1},
    {"display=-1E+308 cmdsub display=1E+308 cmdequal", "1E+308", -1e308, 1e308, "-", -kInf, kTrue,
     1},
    {"display=7 cmdmod display=0 cmdequal", "0", 7, 0, "%", 0, kTrue, 1},
    {"display=-2147483648 cmdmod display=-1 cmdequal", "-1", -2147483648.0, -1, "%", 0, kTrue, 1},
    {"display=3000000000 cmdmod display=7 cmdequal", "7", 3e9, 7, "%", 0, kTrue, 1},
    {"display=2 cmdround display=3000000000 cmdequal", "3000000000", 2, 3e9, "Round", 0, kTrue, 1},
    {"display=1.7E+308 cmdround display=-308 cmdequal", "-308", 1.7e308, -308, "Round", 0, kTrue,
     1},
    // The power loop: resultnum holds the power shown.
    {"display=2 cmdpower display=\\s0 cmdequal", "1", 2, 0, "x^n", 1, kTrue, 0},
    {"display=2 cmdpower display=-3 cmdequal", "0.125", 2, -3, "x^n", 0.125, kTrue, 0},
    {"display=2 cmdpower display=-1074 cmdequal", "4.94065645841247E-324", 2, -1074, "x^n",
     std::numeric_limits<double>::denorm_min(), kTrue, 0},
    {"display=2 cmdpower display=3 cmdequal", "8", 2, 3, "x^n", 8, kTrue, 0},
    // An overflow keeps the entered exponent on display and the infinity in resultnum.
    {"display=10 cmdpower display=400 cmdequal", "400", 10, 400, "x^n", kInf, kTrue, 1},
    {"display=2 cmdpower display=999999999999 cmdequal", "999999999999", 2, 999999999999.0, "x^n",
     kInf, kTrue, 1},
    {"display=-10 cmdpower display=400 cmdequal", "400", -10, 400, "x^n", -kInf, kTrue, 1},
    // An infinite exponent fails before any pass; a reciprocal of 0 or beyond the range fails.
    {"display=2 cmdpower display=Infinity cmdequal", "Infinity", 2, kInf, "x^n", 1, kTrue, 1},
    {"display=2 cmdpower display=-Infinity cmdequal", "-Infinity", 2, -kInf, "x^n", 1, kTrue, 1},
    {"display=0 cmdpower display=-3 cmdequal", "-3", 0, -3, "x^n", kInf, kTrue, 1},
    {"display=0.5 cmdpower display=-2000 cmdequal", "-2000", 0.5, -2000, "x^n", kInf, kTrue, 1},
    {"display=0.5 cmdpower display=-1074 cmdequal", "-1074", 0.5, -1074, "x^n", kInf, kTrue, 1},
    // A lenient reading beyond the float range fails before secondnum is stored.
    {"display=2 cmdadd display=1e999x cmdequal", "1e999x", 2, 0, "+", 0, kFalse, 1},
};

INSTANTIATE_TEST_SUITE_P(Keys, Aftermath, ::testing::ValuesIn(kAftermaths), NameByKeys());

// The power loop's bound: an exponent that needs more multiplications than the bound fails,
// leaves the display as entered and no partial power in `resultnum`. Whether the bound is found by
// running into it or foreseen, the outcome is the same.
TEST(PowerLoop, FailsBeyondItsBoundWithoutChangingTheDisplay) {
    struct Case {
        const char* base;
        const char* exponent;
    };
    const Case cases[] = {
        {"1.0000001", "1E+12"},     {"1.0000001", "100000001"}, {"0.9999999", "1E+12"},
        {"0.9999999", "100000002"}, {"-1.0000001", "1E+12"},    {"1.000000001", "1E+300"},
        {"1.0000070625", "1E+12"},  // would overflow just beyond the bound: found by running
        {"1.0000001", "-1E+12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.base) + " x^n " + c.exponent);
        KeyPlayer player;
        const std::string keys =
            std::string("display=") + c.base + " cmdpower display=" + c.exponent + " cmdequal";
        EXPECT_EQ(player.play(keys), c.exponent);
        EXPECT_EQ(player.window.focusRequests, 1);
        EXPECT_EQ(player.state().resultnum, 1);
    }
}

// Exponents within the bound are carried out pass by pass: 1.0000001 to the 1E+8 is about e^10
// (22026.4657948067), moved by the rounding of a hundred million products.
TEST(PowerLoop, CarriesOutAHundredMillionPasses) {
    KeyPlayer player;
    EXPECT_EQ(player.play("display=1.0000001 cmdpower display=100000000 cmdequal"),
              "22026.4549101678");
    EXPECT_EQ(player.window.focusRequests, 0);
}

// A number that the user stored survives the power loop: its pass counter is its own.
TEST(PowerLoop, LeavesTheMemoryRegisterAlone) {
    KeyPlayer player;
    EXPECT_EQ(player.play("display=5 mstore display=2 cmdpower display=3 cmdequal mrecall"), "5");
    EXPECT_EQ(player.window.indicator, "M");
}

// The display is written once, with the final power: the window does not repaint meanwhile.
TEST(PowerLoop, WritesTheDisplayOnce) {
    KeyPlayer player;
    player.play("display=-2 cmdpower display=3");
    const std::size_t before = player.window.displayWrites.size();
    player.play("cmdequal");
    ASSERT_EQ(player.window.displayWrites.size(), before + 1);
    EXPECT_EQ(player.window.displayWrites.back(), "-8");
}

}  // namespace
}  // namespace tallomat::testing
