#pragma once

#include <cstdint>

namespace tallomat {

// The most multiplications that one "x^n" evaluation makes; an exponent that needs more fails.
inline constexpr std::uint64_t kMaxPowerMultiplications = 100'000'000;

// The "x^n" power loop: multiplies `resultnum` (which the caller has set to 1) by `base` once per
// pass, as many passes as the integer part of `limit` when it is 1 or more, each product rounded
// to a float and checked, and stores the final power. Once the product repeats, or alternates with
// period two, the remaining passes follow without being carried out. Fails at an overflow
// (`resultnum` holds the infinity), for an infinite or not-a-number limit, and when more than
// kMaxPowerMultiplications would be needed, which leaves `resultnum` at 1. Returns whether any pass
// ran.
bool RaiseByRepeatedMultiplication(double base, double limit, double& resultnum);

}  // namespace tallomat
