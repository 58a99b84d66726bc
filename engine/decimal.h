#pragma once

#include <cstdint>
#include <string>

namespace tallomat {

// A decimal value: sign, a 96-bit unsigned integer and a power-of-ten scale from 0 to 28; its value
// is (-1)^negative * integer / 10^scale. Degree-mode trigonometry cuts its numbers with it.
struct Decimal {
    bool negative = false;
    std::uint32_t lo = 0;
    std::uint32_t mid = 0;
    std::uint32_t hi = 0;
    std::uint8_t scale = 0;
};

inline constexpr int kMaxDecimalScale = 28;

// x with 15 significant digits, halves to even on its exact value, and at most 28 decimals (more
// are rounded away). Fails beyond 79228162514264337593543950335 in magnitude, and for NaN.
Decimal ToDecimal(double x);

// The nearest 64-bit float.
double DecimalToNumber(const Decimal& d);

// d rounded to n decimals, halves to even. A negative n rounds to tens, hundreds, ...
Decimal RoundTo(const Decimal& d, std::int32_t n);

// Plain digits, no exponent, no trailing zeros or point; any zero is "0".
std::string DecimalToText(const Decimal& d);

}  // namespace tallomat
