// ToNumber, LeadingNumber and ToText: the number texts of the display, independent of any locale.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime_services.h"

namespace tallomat {
namespace {

constexpr std::string_view kInfinity = "Infinity";
constexpr std::string_view kNegativeInfinity = "-Infinity";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipSpaces(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    return pos;
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// The length of the longest number at the start of `text`: "Infinity", "-Infinity", or an optional
// sign, digits with at most one point and at least one digit, and an optional exponent whose
// letter is followed by an optional sign and at least one digit. 0 when there is none.
std::size_t numberLength(std::string_view text) {
    for (const std::string_view infinity : {kInfinity, kNegativeInfinity}) {
        if (text.starts_with(infinity)) {
            return infinity.size();
        }
    }
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t integerStart = pos;
    pos = skipDigits(text, pos);
    bool hasDigits = pos > integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        const std::size_t fractionEnd = skipDigits(text, fractionStart);
        hasDigits = hasDigits || fractionEnd > fractionStart;
        pos = fractionEnd;
    }
    if (!hasDigits) {
        return 0;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            pos = exponentEnd;
        }
    }
    return pos;
}

// Whether a number of the grammar lies below 1 in magnitude by its decimal digits and exponent:
// tells an underflow from an overflow when the conversion reports the value out of range.
bool isBelowOne(std::string_view number) {
    const std::size_t exponentAt = number.find_first_of("Ee");
    const std::string_view mantissa = number.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = digits.front() == '-';
        if (digits.front() == '+' || digits.front() == '-') {
            digits.remove_prefix(1);
        }
        for (const char c : digits) {  // saturates: only the sign of the order matters
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000'000LL);
        }
        exponent = negative ? -exponent : exponent;
    }
    // The order of the first significant digit, counted from the point.
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return true;  // zero
    }
    const long long order = first < point
                                ? static_cast<long long>(point - first) - 1
                                : static_cast<long long>(point) - static_cast<long long>(first);
    return order + exponent < 0;
}

// Converts a text that matches the grammar exactly.
double convert(std::string_view number) {
    if (number == kInfinity) {
        return std::numeric_limits<double>::infinity();
    }
    if (number == kNegativeInfinity) {
        return -std::numeric_limits<double>::infinity();
    }
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') {
        number.remove_prefix(1);  // from_chars takes no "+", and the sign is applied below
    }
    double magnitude = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        if (!isBelowOne(number)) {
            Fail(FailureKind::NumberTooLarge);
        }
        magnitude = 0;  // an underflow reads as zero
    } else if (error != std::errc{} || end != number.data() + number.size()) {
        Fail(FailureKind::NotANumber);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

double ToNumber(std::string_view text) {
    const std::size_t start = skipSpaces(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    if (length == 0 || skipSpaces(text, start + length) != text.size()) {
        Fail(FailureKind::NotANumber);
    }
    return convert(text.substr(start, length));
}

double LeadingNumber(std::string_view text) {
    const std::size_t start = skipSpaces(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    return length == 0 ? 0.0 : convert(text.substr(start, length));
}

std::string ToText(double x) {
    if (std::isnan(x)) {
        return "NaN";
    }
    if (std::isinf(x)) {
        return std::string(x > 0 ? kInfinity : kNegativeInfinity);
    }
    if (x == 0) {
        return "0";  // also for negative zero
    }
    // "-d.dddddddddddddde+ddd": fifteen significant digits, correctly rounded, halves to even.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                       std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(), written.ptr);
    const std::size_t exponentAt = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + exponentAt + (scientific[exponentAt + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);

    std::string digits;
    for (const char c : scientific.substr(0, exponentAt)) {
        if (isDigit(c)) {
            digits += c;
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0

    std::string text = x < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits);
            text += '.';
            text += digits.substr(integerDigits);
        }
    }
    return text;
}

}  // namespace tallomat
