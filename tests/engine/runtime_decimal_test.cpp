// The decimal value that cuts degree-mode trigonometry: ToDecimal, DecimalToNumber, RoundTo on a
// decimal and DecimalToText on their edge values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "decimal.h"
#include "failure.h"

namespace tallomat {
namespace {

FailureKind FailureOf(double x) {
    try {
        ToDecimal(x);
    } catch (const Failure& failure) {
        return failure.kind;
    }
    ADD_FAILURE() << "ToDecimal(" << x << ") did not fail";
    return FailureKind::NotANumber;
}

// The largest decimal: the 96-bit integer with every bit set, at a given scale.
Decimal Largest(bool negative, std::uint8_t scale) {
    return {negative, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, scale};
}

TEST(ToDecimal, KeepsFifteenDigitsAndAtMost28Decimals) {
    const struct {
        double x;
        const char* text;
    } rows[] = {
        {0.5235987755982984, "0.523598775598298"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {123456789012345678.0, "123456789012346000"},
        // Ties go to even; a carry adds a digit.
        {100000000000000.5, "100000000000000"},
        {100000000000001.5, "100000000000002"},
        {999999999999999.5, "1000000000000000"},
        // Rounded on the exact binary value, not on its shortest text "1.000000000000005".
        {1.000000000000005, "1.00000000000001"},
        {2.000000000000005, "2"},
        // Below 1E-14 fewer than fifteen digits fit in 28 decimals: the fifteen-digit value is
        // rounded to 28, so its ties go to even whichever side of them the exact value lies.
        {1.2345678901234567e-20, "0.0000000000000000000123456789"},
        {9.999999999999995e-15, "0.00000000000001"},
        {1e-28, "0.0000000000000000000000000001"},
        {2.5e-28, "0.0000000000000000000000000002"},
        {1.5e-28, "0.0000000000000000000000000002"},
        {1.768018532270254e-15, "0.0000000000000017680185322702"},
        {4e-29, "0"},
        {5e-29, "0"},
        {-1e-30, "0"},
        {std::numeric_limits<double>::denorm_min(), "0"},
        // The float nearest to the largest decimal, cut to fifteen digits, still fits.
        {79228162514264337593543950335.0, "79228162514264300000000000000"},
        {-79228162514264337593543950335.0, "-79228162514264300000000000000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(DecimalToText(ToDecimal(row.x)), row.text);
    }
}

TEST(ToDecimal, FailsBeyondTheDecimalRange) {
    const struct {
        double x;
        FailureKind kind;
    } rows[] = {
        {7.92281625142644e28, FailureKind::DecimalOverflow},
        {-7.92281625142644e28, FailureKind::DecimalOverflow},
        {1e29, FailureKind::DecimalOverflow},
        {1e300, FailureKind::DecimalOverflow},
        {std::numeric_limits<double>::infinity(), FailureKind::DecimalOverflow},
        {-std::numeric_limits<double>::infinity(), FailureKind::DecimalOverflow},
        {std::numeric_limits<double>::quiet_NaN(), FailureKind::InvalidOperation},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(FailureOf(row.x), row.kind);
    }
}

TEST(DecimalToNumber, GivesTheNearestFloat) {
    EXPECT_EQ(DecimalToNumber(ToDecimal(0.5235987755982984)), 0.523598775598298);
    EXPECT_EQ(DecimalToNumber(ToDecimal(1.2345678901234567e-20)), 1.23456789e-20);
    EXPECT_EQ(DecimalToNumber(Largest(false, 0)), 79228162514264337593543950335.0);
    EXPECT_EQ(DecimalToNumber(Largest(true, 28)), -7.9228162514264337593543950335);
    EXPECT_EQ(DecimalToNumber(Decimal{true, 1, 0, 0, 28}), -1e-28);
    EXPECT_TRUE(std::signbit(DecimalToNumber(ToDecimal(-0.0))));
}

TEST(DecimalRoundTo, RoundsHalvesToEven) {
    const struct {
        Decimal d;
        std::int32_t decimals;
        const char* text;
    } rows[] = {
        {ToDecimal(0.125), 2, "0.12"},
        {ToDecimal(0.375), 2, "0.38"},
        {ToDecimal(-0.125), 2, "-0.12"},
        {ToDecimal(2.5), 0, "2"},
        {ToDecimal(3.5), 0, "4"},
        {ToDecimal(0.1251), 2, "0.13"},
        {ToDecimal(0.123456789), 9, "0.123456789"},
        {ToDecimal(0.123456789), 20, "0.123456789"},
        {ToDecimal(-0.000000001), 8, "0"},
        {ToDecimal(1234.5), -2, "1200"},
        {ToDecimal(1250), -2, "1200"},
        {ToDecimal(1350), -2, "1400"},
        {ToDecimal(1e20), -30, "0"},
        {Largest(false, 28), 27, "7.922816251426433759354395034"},
        {Largest(false, 28), 0, "8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(DecimalToText(RoundTo(row.d, row.decimals)), row.text);
    }
}

TEST(DecimalToText, WritesPlainDigitsWithoutTrailingZeros) {
    const struct {
        Decimal d;
        const char* text;
    } rows[] = {
        {Largest(false, 0), "79228162514264337593543950335"},
        {Largest(true, 28), "-7.9228162514264337593543950335"},
        {Decimal{false, 1500, 0, 0, 3}, "1.5"},
        {Decimal{false, 100, 0, 0, 2}, "1"},
        {Decimal{false, 7, 0, 0, 28}, "0.0000000000000000000000000007"},
        {Decimal{true, 0, 0, 0, 5}, "0"},
        {Decimal{}, "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(DecimalToText(row.d), row.text);
    }
}

}  // namespace
}  // namespace tallomat
