// Sine, cosine and tangent in degrees and radians: key sequence in; display, `firstnum`,
// `startnew` and focus out. The window starts in degrees; "optionrad" and "optiondegree" switch.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "key_player.h"
#include "last_key.h"

namespace tallomat::testing {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr const char* kRefusal = "Invalid\\sinput\\sfor\\sfunction\\s";

const FinishedValueCase kTrigonometry[] = {
    // Degrees: the converted angle and the result are cut to 15 digits, then rounded to 8
    // decimals (sine) or 9 (cosine, tangent), so the special angles come out exact.
    {"Command3 Command10 cmdsin", "0.5", 0.523598775598298, false},
    {"display=30 cmdcos", "0.866025404", 0.523598775598298, false},
    {"display=60 cmdsin", "0.8660254", 1.0471975511966, false},
    {"display=45 cmdtan", "1", 0.785398163397448, false},
    {"display=90 cmdsin", "1", 1.5707963267949, false},
    {"display=90 cmdcos", "0", 1.5707963267949, false},
    {"display=180 cmdsin", "0", 3.14159265358979, false},
    {"display=180 cmdcos", "-1", 3.14159265358979, false},
    {"display=89.9999 cmdcos", "0.000001745", 1.57079458146564, false},
    {"display=90 cmdtan", kRefusal, 90, false},
    {"display=270 cmdtan", kRefusal, 270, false},
    {"display=-30 cmdsin", "-0.5", -0.523598775598298, false},
    {"display=-180 cmdsin", "0", -3.14159265358979, false},
    {"display=-0 cmdtan", "0", 0, false},
    {"display=135 cmdtan", "-1", 2.35619449019234, false},
    // Below half the last kept decimal a result shows 0, never an exponent.
    {"display=2.86E-7 cmdsin", "0", 4.99164166070378e-09, false},
    {"display=2.87E-7 cmdsin", "0.00000001", 5.00909495322372e-09, false},
    {"display=2.86E-8 cmdtan", "0", 4.99164166070378e-10, false},
    {"display=2.87E-8 cmdtan", "0.000000001", 5.00909495322372e-10, false},
    // The converted angle keeps at most 28 decimals.
    {"display=1E-20 cmdsin", "0", 1.745329e-22, false},
    {"display=1E-30 cmdsin", "0", 0, false},
    // The tangent refuses every exact odd multiple of 90 degrees, and nothing else.
    {"display=-270 cmdtan", kRefusal, -270, false},
    {"display=-90 cmdtan", kRefusal, -90, false},
    {"display=450 cmdtan", kRefusal, 450, false},
    {"display=630 cmdtan", kRefusal, 630, false},
    {"display=-450 cmdtan", kRefusal, -450, false},
    {"display=90.0 cmdtan", kRefusal, 90, false},
    {"display=90.0000001 cmdtan", "-572959722.768353", 1.57079632854022, false},
    {"display=-90.0000001 cmdtan", "572959722.768353", -1.57079632854022, false},
    {"display=89.99999999 cmdtan", "5729455064.64903", 1.57079632662036, false},
    // The converted angle must fit the decimal value: up to about 4.54E+30 degrees.
    {"display=4.5E+30 cmdsin", "-0.55405284", 7.85398163397448e28, false},
    {"display=4.54E+30 cmdsin", "4.54E+30", 4.54e30, true},
    {"display=-4.54E+30 cmdcos", "-4.54E+30", -4.54e30, true},
    {"display=Infinity cmdcos", "Infinity", kInfinity, true},
    {"display=-Infinity cmdtan", "-Infinity", -kInfinity, true},
    // A display that holds no number: `firstnum` keeps what it held.
    {"Command7 cmdadd cmdsin", "\\s", 7, true},
    {"display= cmdcos", "", 0, true},
    {"display=90 cmdtan cmdtan", kRefusal, 90, true},
    // Radians: the raw result through ToText, `firstnum` as read, nothing refused.
    {"optionrad display=90 cmdtan", "-1.99520041220824", 90, false},
    {"optionrad display=270 cmdtan", "-0.178839063798452", 270, false},
    {"optionrad display=1.5707963267949 cmdtan", "-286411383293069", 1.5707963267949, false},
    {"optionrad cmdpi cmdsin", "3.23108914886517E-15", 3.14159265358979, false},
    {"optionrad display=0.5 cmdsin", "0.479425538604203", 0.5, false},
    {"optionrad display=Infinity cmdsin", "Infinity", kInfinity, true},
    {"optionrad display=Invalid\\sinput\\sfor\\sfunction\\s cmdtan", kRefusal, 0, true},
    // Each press asks for the unit afresh.
    {"optionrad optiondegree display=30 cmdsin", "0.5", 0.523598775598298, false},
    {"display=30 cmdsin optionrad display=30 cmdsin", "-0.988031624092862", 30, false},
    {"display=90 cmdtan optionrad display=90 cmdtan", "-1.99520041220824", 90, false},
    {"optionrad display=90 cmdtan optiondegree display=90 cmdtan", kRefusal, 90, false},
};

class Trigonometry : public ::testing::TestWithParam<FinishedValueCase> {};

TEST_P(Trigonometry, ShowsItsValueOrKeepsTheDisplay) {
    ExpectFinishedValue(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Keys, Trigonometry, ::testing::ValuesIn(kTrigonometry), NameByKeys());

// What a trigonometric key leaves in `firstnum` becomes the first operand of a pending "=".
const PendingCase kPending[] = {
    {"Command2 cmdadd Command3 Command10 cmdsin cmdequal", "0.5", "1.0235987755983"},
    {"optionrad Command2 cmdadd display=0.5 cmdsin cmdequal", "0.479425538604203",
     "0.979425538604203"},
    {"Command2 cmdadd Command9 Command10 cmdtan cmdequal", kRefusal, "90"},
    // The angle in radians, 1.76801853227025E-15 in fifteen digits, rounded to 28 decimals.
    {"Command1 cmdadd display=0.0000000000001013 cmdsin cmdequal", "0", "1.7680185322702E-15"},
};

class TrigonometryBeforeEquals : public ::testing::TestWithParam<PendingCase> {};

TEST_P(TrigonometryBeforeEquals, UsesTheAngleAsFirstOperand) {
    ExpectBeforeEquals(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Keys, TrigonometryBeforeEquals, ::testing::ValuesIn(kPending),
                         NameByKeys());

// The refusal is a finished value like any result: the next digit replaces it.
TEST(TangentRefusal, IsReplacedByTheNextDigit) {
    KeyPlayer player;
    EXPECT_EQ(player.play("Command9 Command10 cmdtan Command5"), "5");
}

}  // namespace
}  // namespace tallomat::testing
