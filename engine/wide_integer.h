#pragma once

#include <compare>
#include <concepts>
#include <cstdint>

namespace tallomat {

// An unsigned 128-bit integer held in two 64-bit words, for compilers that have no
// unsigned __int128 (GCC on 32-bit processors: i386, armhf, armel). It wraps modulo 2^128 as the
// built-in type does, and offers the operations that the decimal value uses.
class TwoWordInteger {
  public:
    constexpr TwoWordInteger(std::uint64_t value = 0) : low_(value) {}

    template <std::integral T>
    explicit constexpr operator T() const {
        return static_cast<T>(low_);
    }

    friend constexpr bool operator==(const TwoWordInteger&, const TwoWordInteger&) = default;
    friend constexpr auto operator<=>(const TwoWordInteger&, const TwoWordInteger&) = default;

    friend constexpr TwoWordInteger operator+(TwoWordInteger a, TwoWordInteger b) {
        const std::uint64_t low = a.low_ + b.low_;
        return {a.high_ + b.high_ + (low < a.low_ ? 1 : 0), low};
    }
    friend constexpr TwoWordInteger operator-(TwoWordInteger a, TwoWordInteger b) {
        return {a.high_ - b.high_ - (a.low_ < b.low_ ? 1 : 0), a.low_ - b.low_};
    }
    friend constexpr TwoWordInteger operator*(TwoWordInteger a, TwoWordInteger b) {
        TwoWordInteger product = wordProduct(a.low_, b.low_);
        product.high_ += a.high_ * b.low_ + a.low_ * b.high_;
        return product;
    }
    friend constexpr TwoWordInteger operator/(TwoWordInteger a, TwoWordInteger b) {
        TwoWordInteger remainder;
        return divide(a, b, remainder);
    }
    friend constexpr TwoWordInteger operator%(TwoWordInteger a, TwoWordInteger b) {
        TwoWordInteger remainder;
        divide(a, b, remainder);
        return remainder;
    }
    friend constexpr TwoWordInteger operator|(TwoWordInteger a, TwoWordInteger b) {
        return {a.high_ | b.high_, a.low_ | b.low_};
    }
    constexpr TwoWordInteger& operator*=(TwoWordInteger factor) { return *this = *this * factor; }
    constexpr TwoWordInteger& operator/=(TwoWordInteger divisor) { return *this = *this / divisor; }
    // Shifts by 0 to 127 bits, as for the built-in type.
    friend constexpr TwoWordInteger operator<<(TwoWordInteger a, int bits) {
        if (bits >= 64) {
            return {a.low_ << (bits - 64), 0};
        }
        return {(a.high_ << bits) | (bits == 0 ? 0 : a.low_ >> (64 - bits)), a.low_ << bits};
    }
    friend constexpr TwoWordInteger operator>>(TwoWordInteger a, int bits) {
        if (bits >= 64) {
            return {0, a.high_ >> (bits - 64)};
        }
        return {a.high_ >> bits, (a.low_ >> bits) | (bits == 0 ? 0 : a.high_ << (64 - bits))};
    }

  private:
    constexpr TwoWordInteger(std::uint64_t high, std::uint64_t low) : high_(high), low_(low) {}

    // The full product of two words, from their 32-bit halves.
    static constexpr TwoWordInteger wordProduct(std::uint64_t a, std::uint64_t b) {
        constexpr std::uint64_t kHalf = 0xFFFFFFFF;
        const std::uint64_t lowLow = (a & kHalf) * (b & kHalf);
        const std::uint64_t lowHigh = (a & kHalf) * (b >> 32);
        const std::uint64_t highLow = (a >> 32) * (b & kHalf);
        const std::uint64_t highHigh = (a >> 32) * (b >> 32);
        const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kHalf) + (highLow & kHalf);
        return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
                (middle << 32) | (lowLow & kHalf)};
    }

    // Long division, one bit at a time; the divisor is never zero.
    static constexpr TwoWordInteger divide(TwoWordInteger dividend, TwoWordInteger divisor,
                                           TwoWordInteger& remainder) {
        TwoWordInteger quotient;
        remainder = 0;
        for (int bit = 127; bit >= 0; --bit) {
            remainder = (remainder << 1) | ((dividend >> bit).low_ & 1);
            quotient = quotient << 1;
            if (remainder >= divisor) {
                remainder = remainder - divisor;
                quotient.low_ |= 1;
            }
        }
        return quotient;
    }

    // High first, so that the defaulted comparison orders by value.
    std::uint64_t high_ = 0;
    std::uint64_t low_ = 0;
};

// The integer in which the decimal value's 96 bits are computed: the compiler's own wherever it
// has one, so 64-bit processors keep their native arithmetic.
#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 Unsigned128;
#else
using Unsigned128 = TwoWordInteger;
#endif

}  // namespace tallomat
