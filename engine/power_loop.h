#pragma once

#include <cstdint>

namespace tallomat {

// The most multiplications that one "x^n" evaluation makes; an exponent that needs more fails.
inline constexpr std::uint64_t kMaxPowerMultiplications = 100'000'000;

// The "x^n" power: `base` to the whole part of `exponent`, taken toward zero, into `resultnum`
// (which the caller has set to 1). A whole part n of 1 or more multiplies by `base` once per pass,
// n passes, each product rounded to a float and checked; once the product repeats, or alternates
// with period two, the remaining passes follow without being carried out. A whole part of 0 leaves
// the 1. A negative whole part -m gives 1 / base^m, with base^m from the same loop; where base^m
// is beyond the float range, it gives (1 / base)^m from the same loop instead, 0 only where that
// underflows. Fails at an overflow of a positive power (`resultnum` holds the infinity), at a
// reciprocal that divides by zero or overflows (`resultnum` holds its result), for an infinite or
// not-a-number exponent, and when more than kMaxPowerMultiplications would be needed, which leaves
// `resultnum` at 1.
void RaiseToWholePower(double base, double exponent, double& resultnum);

}  // namespace tallomat
