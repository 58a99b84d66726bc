#pragma once

#include <cmath>

namespace tallomat {

// The IEEE 754 exceptions that the status check after an arithmetic step looks at. Underflow and
// inexact results are never looked at.
enum StatusFlag : unsigned {
    kInvalidOperation = 1U << 0,
    kDivisionByZero = 1U << 1,
    kOverflow = 1U << 2,
    kAllStatusFlags = kInvalidOperation | kDivisionByZero | kOverflow,
};

// One arithmetic step in 64-bit floating point: its result and the exceptions that it signalled.
// The flags are derived exactly from the operands and the result, so no optimisation of the
// surrounding code can move or lose them (the hardware status register offers no such promise).
struct ArithmeticStep {
    double result;
    unsigned flags;
};

namespace detail {

// Invalid operation yields a NaN from non-NaN operands (quiet NaNs pass through silently); overflow
// and division by zero yield an infinity from finite operands. Nothing else of + - * / signals
// these three exceptions, so the flags follow exactly from the values.
inline unsigned invalidOrInfinite(double a, double b, double result, unsigned infiniteFlag) {
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) {
        return kInvalidOperation;
    }
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
        return infiniteFlag;
    }
    return 0;
}

}  // namespace detail

// Inline: they are a few instructions each, and the factorial runs them in its loop.
inline ArithmeticStep Add(double a, double b) {
    const double result = a + b;
    return {result, detail::invalidOrInfinite(a, b, result, kOverflow)};
}

inline ArithmeticStep Subtract(double a, double b) {
    const double result = a - b;
    return {result, detail::invalidOrInfinite(a, b, result, kOverflow)};
}

inline ArithmeticStep Multiply(double a, double b) {
    const double result = a * b;
    return {result, detail::invalidOrInfinite(a, b, result, kOverflow)};
}

inline ArithmeticStep Divide(double a, double b) {
    const double result = a / b;
    return {result, detail::invalidOrInfinite(a, b, result, b == 0 ? kDivisionByZero : kOverflow)};
}

// The status check: fails when the step signalled one of the exceptions in `watched`. Operations
// store the step's result first and check afterwards, so a failing step leaves its result stored.
void StatusCheck(const ArithmeticStep& step, unsigned watched = kAllStatusFlags);

}  // namespace tallomat
