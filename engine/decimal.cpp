#include "decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "failure.h"
#include "wide_integer.h"

namespace tallomat {
namespace {

// The 96-bit integer is computed in 128 bits and checked before it is stored.
using Wide = Unsigned128;
constexpr Wide kMaxMagnitude = (Wide{1} << 96) - 1;  // 79228162514264337593543950335
constexpr int kSignificantDigits = 15;

Wide powerOfTen(int exponent) {
    Wide power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

Wide magnitudeOf(const Decimal& d) {
    return (Wide{d.hi} << 64) | (Wide{d.mid} << 32) | Wide{d.lo};
}

Decimal makeDecimal(bool negative, Wide magnitude, int scale) {
    if (magnitude > kMaxMagnitude) {
        Fail(FailureKind::DecimalOverflow);
    }
    return {negative, static_cast<std::uint32_t>(magnitude),
            static_cast<std::uint32_t>(magnitude >> 32),
            static_cast<std::uint32_t>(magnitude >> 64), static_cast<std::uint8_t>(scale)};
}

Wide parseDigits(std::string_view digits) {
    Wide value = 0;
    for (const char c : digits) {
        if (c >= '0' && c <= '9') {
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
    }
    return value;
}

std::string digitsOf(Wide magnitude) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    return digits;
}

// magnitude / divisor, halves to even.
Wide divideRounded(Wide magnitude, Wide divisor) {
    const Wide quotient = magnitude / divisor;
    const Wide remainder = magnitude % divisor;
    const Wide half = divisor / 2;  // divisor is a power of ten of at least 10, so even
    const bool roundUp = remainder > half || (remainder == half && quotient % 2 == 1);
    return quotient + (roundUp ? 1 : 0);
}

}  // namespace

Decimal ToDecimal(double x) {
    if (std::isnan(x)) {
        Fail(FailureKind::InvalidOperation);
    }
    if (std::isinf(x)) {
        Fail(FailureKind::DecimalOverflow);
    }
    const bool negative = std::signbit(x);
    const double magnitude = std::fabs(x);
    std::array<char, 64> buffer{};
    // Fifteen significant digits of the exact value, halves to even: "d.dddddddddddddde+dd".
    auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                 std::chars_format::scientific, kSignificantDigits - 1);
    std::string_view text(buffer.data(), written.ptr);
    const std::size_t exponentAt = text.find('e');
    int exponent = 0;
    const char* exponentStart = text.data() + exponentAt + 1;
    if (*exponentStart == '+') {
        ++exponentStart;
    }
    std::from_chars(exponentStart, text.data() + text.size(), exponent);

    const int scale = kSignificantDigits - 1 - exponent;
    const Wide digits = parseDigits(text.substr(0, exponentAt));
    if (scale > kMaxDecimalScale) {
        // Fewer than fifteen digits fit in 28 decimals: the fifteen-digit value is rounded there,
        // halves to even, so that a tie is one of the fifteen digits and not of the exact value.
        // Beyond fifteen dropped digits every value is below half of the last place.
        const int dropped = std::min(scale - kMaxDecimalScale, kSignificantDigits + 1);
        return makeDecimal(negative, divideRounded(digits, powerOfTen(dropped)), kMaxDecimalScale);
    }
    if (scale >= 0) {
        return makeDecimal(negative, digits, scale);
    }
    if (exponent > 28) {
        Fail(FailureKind::DecimalOverflow);  // at least 10^29, and the product below would not fit
    }
    return makeDecimal(negative, digits * powerOfTen(-scale), 0);
}

double DecimalToNumber(const Decimal& d) {
    const std::string text = digitsOf(magnitudeOf(d)) + "e-" + std::to_string(d.scale);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return d.negative ? -value : value;
}

Decimal RoundTo(const Decimal& d, std::int32_t n) {
    if (n >= d.scale) {
        return d;
    }
    const Wide magnitude = magnitudeOf(d);
    if (n >= 0) {
        return makeDecimal(d.negative, divideRounded(magnitude, powerOfTen(d.scale - n)), n);
    }
    // Tens, hundreds, ...: a magnitude below 10^29 rounds to 0 beyond 10^29.
    const std::int64_t places = std::int64_t{d.scale} - n;
    if (places > 29) {
        return makeDecimal(d.negative, 0, 0);
    }
    const int tens = static_cast<int>(-n);
    const Wide rounded = divideRounded(magnitude, powerOfTen(static_cast<int>(places)));
    return makeDecimal(d.negative, rounded * powerOfTen(tens), 0);
}

std::string DecimalToText(const Decimal& d) {
    const Wide magnitude = magnitudeOf(d);
    if (magnitude == 0) {
        return "0";
    }
    std::string digits = digitsOf(magnitude);
    if (digits.size() <= d.scale) {
        digits.insert(0, d.scale + 1 - digits.size(), '0');
    }
    std::string text = digits.substr(0, digits.size() - d.scale);
    std::string fraction = digits.substr(digits.size() - d.scale);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (!fraction.empty()) {
        text += '.' + fraction;
    }
    return d.negative ? '-' + text : text;
}

}  // namespace tallomat
