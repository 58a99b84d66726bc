// ToInt32, RoundTo and Floor on 64-bit floats.
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "runtime_services.h"

namespace tallomat {
namespace {

// More decimals than this leave every float unchanged: the smallest subnormal has 1074.
constexpr std::int32_t kMaxFloatDecimals = 1074;
// Room for the longest fixed form: a sign, 309 integer digits, the point and 1074 decimals.
constexpr std::size_t kFixedBufferSize = 1400;

double parseRounded(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{}) {
        Fail(FailureKind::NumberTooLarge);
    }
    return value;
}

// The integer `digits` (decimal, no sign) rounded to a multiple of 10^places, halves to even;
// `belowPoint` says whether the exact value had a non-zero fraction beyond these digits.
std::string roundIntegerDigits(const std::string& digits, std::size_t places, bool belowPoint) {
    if (places > digits.size()) {
        return "0";  // the value is below half of 10^places
    }
    std::string kept = digits.substr(0, digits.size() - places);
    const std::string dropped = digits.substr(digits.size() - places);
    const bool restNonZero = belowPoint || dropped.find_first_not_of('0', 1) != std::string::npos;
    const bool keptIsOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    const char first = dropped.front();
    const bool roundUp = first > '5' || (first == '5' && (restNonZero || keptIsOdd));
    if (roundUp) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    if (kept.empty()) {
        return "0";
    }
    return kept + std::string(places, '0');
}

}  // namespace

std::int32_t ToInt32(double x) {
    // nearbyint rounds halves to even in the default rounding mode, which nothing here changes.
    const double rounded = std::nearbyint(x);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {  // also refuses NaN
        Fail(FailureKind::OutsideInt32);
    }
    return static_cast<std::int32_t>(rounded);
}

double RoundTo(double v, std::int32_t n) {
    if (!std::isfinite(v) || n > kMaxFloatDecimals) {
        return v;
    }
    std::array<char, kFixedBufferSize> buffer{};
    if (n >= 0) {
        // A correctly rounded fixed conversion rounds the exact value, halves to even.
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                           std::chars_format::fixed, n);
        return parseRounded(std::string_view(buffer.data(), written.ptr));
    }
    // Tens, hundreds, ...: round the exact integer digits, with the fraction as a sticky digit.
    const double integerPart = std::trunc(v);
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(integerPart), std::chars_format::fixed, 0);
    const std::string rounded = roundIntegerDigits(
        std::string(buffer.data(), written.ptr),
        static_cast<std::size_t>(-static_cast<std::int64_t>(n)), integerPart != v);
    const double magnitude = parseRounded(rounded);
    return std::signbit(v) ? -magnitude : magnitude;
}

double Floor(double x) {
    return std::floor(x);
}

}  // namespace tallomat
