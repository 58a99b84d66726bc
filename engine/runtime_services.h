#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "failure.h"

// The number conversions, rounding and math functions that every operation uses. Each service
// either returns its value or fails with Fail(); none depends on the C library's locale.
namespace tallomat {

// Strict reading: optional spaces, an optional sign, digits with at most one point and at least one
// digit, an optional exponent ("E" or "e", optional sign, digits), optional spaces; or "Infinity" /
// "-Infinity". Fails on anything else, and on a finite text beyond the 64-bit range.
double ToNumber(std::string_view text);

// Lenient reading: skips leading spaces and reads the longest prefix of the same grammar; 0 when
// there is none. Fails only for a finite prefix beyond the 64-bit range.
double LeadingNumber(std::string_view text);

// At most 15 significant digits, like C's %.15G: plain form for decimal exponents -4 to 14, else
// exponent form ("1E+308", "1.745E-05"); "0" for either zero; "Infinity", "-Infinity", "NaN".
std::string ToText(double x);

// The nearest 32-bit integer, halves to even; fails for NaN and outside the 32-bit range.
std::int32_t ToInt32(double x);

// The exact value of v rounded to n decimals (tens, hundreds, ... for a negative n), halves to
// even, as the nearest float. An infinity rounds to itself; a result beyond the float range fails.
double RoundTo(double v, std::int32_t n);

// The greatest integer not above x.
double Floor(double x);

// Math services of <cmath>. They fail when the result is not-a-number from a number, or infinite
// from finite arguments. Power also fails for every negative base with a non-integral exponent.
double Power(double x, double y);
double Sqr(double x);
double Exp(double x);
double Ln(double x);
double Sin(double x);
double Cos(double x);
double Tan(double x);

}  // namespace tallomat
