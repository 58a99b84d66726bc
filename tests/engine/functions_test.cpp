// The single-operand functions and pi: key sequence in; display, `firstnum`, `startnew`, focus and
// `factnum` out.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "key_player.h"
#include "last_key.h"

namespace tallomat::testing {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

const FinishedValueCase kFunctions[] = {
    // x^2 and x^3: ordinary 64-bit products; a result beyond the float range is an infinity.
    {"Command9 cmdsquare", "81", 9, false},
    {"display=-1.5 cmdsquare", "2.25", -1.5, false},
    {"display=1E+200 cmdsquare", "Infinity", 1e200, false},
    {"display=1E-200 cmdsquare", "0", 1e-200, false},
    {"display=-Infinity cmdsquare", "Infinity", -kInfinity, false},
    {"display=-2 cmdcube", "-8", -2, false},
    {"display=1.1 cmdcube", "1.331", 1.1, false},
    {"display=-1E+103 cmdcube", "-Infinity", -1e103, false},
    // sqrt.
    {"Command9 cmdsqrt", "3", 9, false},
    {"display=2 cmdsqrt", "1.4142135623731", 2, false},
    {"display=-0 cmdsqrt", "0", 0, false},
    {"display=Infinity cmdsqrt", "Infinity", kInfinity, false},
    {"display=-1 cmdsqrt", "-1", -1, true},
    {"display=-Infinity cmdsqrt", "-Infinity", -kInfinity, true},
    // Cube root: the power with the float just below a third, so 1E+300 misses 1E+100.
    {"display=8 cmdcuberoot", "2", 8, false},
    {"display=27 cmdcuberoot", "3", 27, false},
    {"display=1000 cmdcuberoot", "10", 1000, false},
    {"display=1E+300 cmdcuberoot", "9.99999999999987E+99", 1e300, false},
    {"display=-0 cmdcuberoot", "0", 0, false},
    {"display=Infinity cmdcuberoot", "Infinity", kInfinity, false},
    {"display=-8 cmdcuberoot", "-8", -8, true},
    {"display=-1E-300 cmdcuberoot", "-1E-300", -1e-300, true},
    {"display=-Infinity cmdcuberoot", "-Infinity", -kInfinity, true},
    // 1/x: only a zero divisor fails; a reciprocal beyond the float range is an infinity.
    {"display=4 cmddivide", "0.25", 4, false},
    {"display=3 cmddivide", "0.333333333333333", 3, false},
    {"display=-Infinity cmddivide", "0", -kInfinity, false},
    {"display=1E-310 cmddivide", "Infinity", 1e-310, false},
    {"display=-1E-310 cmddivide", "-Infinity", -1e-310, false},
    {"Command10 cmddivide", "0", 0, true},
    {"display=-0 cmddivide", "-0", 0, true},
    // Int: toward minus infinity.
    {"display=-2.5 cmdint", "-3", -2.5, false},
    {"display=2.7 cmdint", "2", 2.7, false},
    {"display=-0.5 cmdint", "-1", -0.5, false},
    {"display=1E+20 cmdint", "1E+20", 1e20, false},
    {"display=-Infinity cmdint", "-Infinity", -kInfinity, false},
    // Exp: fails where the result overflows, above about 709.78.
    {"Command1 cmdexp", "2.71828182845905", 1, false},
    {"display=709.78 cmdexp", "1.79282279439452E+308", 709.78, false},
    {"display=-1000 cmdexp", "0", -1000, false},
    {"display=-Infinity cmdexp", "0", -kInfinity, false},
    {"display=709.79 cmdexp", "709.79", 709.79, true},
    {"display=1000 cmdexp", "1000", 1000, true},
    // ln and log: fail for every argument not above zero.
    {"Command1 cmdln", "0", 1, false},
    {"display=10 cmdln", "2.30258509299405", 10, false},
    {"display=Infinity cmdln", "Infinity", kInfinity, false},
    {"Command10 cmdln", "0", 0, true},
    {"display=-0 cmdln", "-0", 0, true},
    {"display=-1 cmdln", "-1", -1, true},
    {"display=100 cmdlog", "2", 100, false},
    {"display=1000 cmdlog", "3", 1000, false},
    {"display=0.001 cmdlog", "-3", 0.001, false},
    {"display=1E+308 cmdlog", "308", 1e308, false},
    {"display=Infinity cmdlog", "Infinity", kInfinity, false},
    {"Command10 cmdlog", "0", 0, true},
    {"display=-1 cmdlog", "-1", -1, true},
    // pi ignores the display and leaves `firstnum` alone.
    {"cmdpi", "3.14159265358979", 0, false},
    {"Command7 cmdadd cmdpi", "3.14159265358979", 7, false},
    // A display that holds no number: `firstnum` keeps the pending operand.
    {"Command7 cmdadd cmdsqrt", "\\s", 7, true},
    {"Command7 cmdadd display=1.2.3 cmdsquare", "1.2.3", 7, true},
};

class Function : public ::testing::TestWithParam<FinishedValueCase> {};

TEST_P(Function, ShowsItsValueOrKeepsTheDisplay) {
    ExpectFinishedValue(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Keys, Function, ::testing::ValuesIn(kFunctions), NameByKeys());

// Each function with a trap on each display that holds no number: it fails in its reading, so
// `firstnum` keeps the pending operand 7 and the display its text.
const char* const kTrappedFunctionKeys[] = {
    "cmdsquare",    "cmdcube", "cmdsqrt", "cmdcuberoot", "cmddivide",
    "cmdfactorial", "cmdint",  "cmdexp",  "cmdln",       "cmdlog",
};
const char* const kTextsWithoutNumber[] = {"\\s", "", "Invalid\\sinput\\sfor\\sfunction\\s"};

class FunctionOnNoNumber : public ::testing::TestWithParam<std::tuple<const char*, const char*>> {};

TEST_P(FunctionOnNoNumber, FailsAndKeepsEverything) {
    const auto& [key, text] = GetParam();
    KeyPlayer player;
    player.play("Command7 cmdadd");
    player.play(std::string("display=") + text + " " + key);
    EXPECT_EQ(player.window.display, WithSpaces(text));
    EXPECT_EQ(player.window.displayWrites.size(), 2U);  // the "7" and the operator's space
    EXPECT_EQ(player.state().firstnum, 7);
    EXPECT_EQ(player.state().factnum, 0);
    EXPECT_EQ(player.state().startnew, kTrue);
    EXPECT_EQ(player.window.focusRequests, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, FunctionOnNoNumber,
                         ::testing::Combine(::testing::ValuesIn(kTrappedFunctionKeys),
                                            ::testing::ValuesIn(kTextsWithoutNumber)),
                         [](const auto& tested) {
                             return CaseName(std::string(std::get<0>(tested.param)) + " on " +
                                             std::get<1>(tested.param));
                         });

// The factorial's running product: 1 when no pass runs, an infinity once a product overflows.
struct FactorialCase {
    const char* keys;
    const char* display;
    double factnum;
    bool fails;
};

void PrintTo(const FactorialCase& row, std::ostream* out) {
    *out << row.keys;
}

const FactorialCase kFactorials[] = {
    {"Command10 cmdfactorial", "1", 1, false},
    {"display=0.5 cmdfactorial", "1", 1, false},
    {"display=-5 cmdfactorial", "1", 1, false},
    {"display=-Infinity cmdfactorial", "1", 1, false},
    {"display=3.5 cmdfactorial", "6", 6, false},
    {"Command5 cmdfactorial", "120", 120, false},
    {"display=20 cmdfactorial", "2.43290200817664E+18", 2432902008176640000.0, false},
    {"display=170 cmdfactorial", "7.25741561530799E+306", 7.257415615307994e306, false},
    {"display=171 cmdfactorial", "171", kInfinity, true},
    {"display=1E+300 cmdfactorial", "1E+300", kInfinity, true},
    {"display=Infinity cmdfactorial", "Infinity", kInfinity, true},
    {"Command5 cmdfactorial cmdadd cmdfactorial", "\\s", 120, true},
};

class Factorial : public ::testing::TestWithParam<FactorialCase> {};

TEST_P(Factorial, LeavesProductAndDisplay) {
    const FactorialCase& row = GetParam();
    KeyPlayer player;
    EXPECT_EQ(player.play(row.keys), WithSpaces(row.display));
    EXPECT_EQ(player.state().factnum, row.factnum);
    EXPECT_EQ(player.state().startnew, kTrue);
    EXPECT_EQ(player.window.focusRequests, row.fails ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, Factorial, ::testing::ValuesIn(kFactorials), NameByKeys());

// The factorial counts its passes in storage of its own: a stored number survives it, whether the
// loop ends or overflows, and so does the indicator.
TEST(Factorial, LeavesTheMemoryRegisterAlone) {
    for (const char* keys : {"Command5 mstore display=3 cmdfactorial mrecall",
                             "Command5 mstore display=171 cmdfactorial mrecall"}) {
        SCOPED_TRACE(keys);
        KeyPlayer player;
        EXPECT_EQ(player.play(keys), "5");
        EXPECT_EQ(player.state().memnum, 5);
        EXPECT_EQ(player.window.indicator, "M");
    }
}

// A function between an operator key and "=" replaces the pending first operand by its argument;
// pi does not.

const PendingCase kPending[] = {
    {"Command2 cmdadd Command9 cmdsquare cmdequal", "81", "90"},
    {"Command2 cmdadd Command9 cmdsqrt cmdequal", "3", "12"},
    {"Command2 cmdadd Command3 cmdfactorial cmdequal", "6", "9"},
    {"Command2 cmdmul Command4 cmddivide cmdequal", "0.25", "1"},
    {"Command2 cmdadd cmdpi cmdequal", "3.14159265358979", "5.14159265358979"},
};

class FunctionBeforeEquals : public ::testing::TestWithParam<PendingCase> {};

TEST_P(FunctionBeforeEquals, UsesTheArgumentAsFirstOperand) {
    ExpectBeforeEquals(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Keys, FunctionBeforeEquals, ::testing::ValuesIn(kPending), NameByKeys());

// After any function key, even one that failed, the next digit or point starts a new entry.
TEST(FunctionThenDigit, StartsANewEntry) {
    const struct {
        const char* keys;
        const char* display;
    } rows[] = {
        {"Command9 cmdsqrt Command5", "5"},
        {"display=-1 cmdsqrt Command5", "5"},
        {"cmdpi Cmdpoint", "."},
        {"Command7 cmdadd cmdsqrt Command2 cmdequal", "9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        KeyPlayer player;
        EXPECT_EQ(player.play(row.keys), row.display);
    }
}

}  // namespace
}  // namespace tallomat::testing
