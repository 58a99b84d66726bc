#include "float_status.h"

#include <cmath>

#include "failure.h"

namespace tallomat {
namespace {

// Invalid operation yields a NaN from non-NaN operands (quiet NaNs pass through silently); overflow
// and division by zero yield an infinity from finite operands. Nothing else of + - * / signals
// these three exceptions, so the flags follow exactly from the values.
unsigned invalidOrInfinite(double a, double b, double result, unsigned infiniteFlag) {
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) {
        return kInvalidOperation;
    }
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
        return infiniteFlag;
    }
    return 0;
}

}  // namespace

ArithmeticStep Add(double a, double b) {
    const double result = a + b;
    return {result, invalidOrInfinite(a, b, result, kOverflow)};
}

ArithmeticStep Subtract(double a, double b) {
    const double result = a - b;
    return {result, invalidOrInfinite(a, b, result, kOverflow)};
}

ArithmeticStep Multiply(double a, double b) {
    const double result = a * b;
    return {result, invalidOrInfinite(a, b, result, kOverflow)};
}

ArithmeticStep Divide(double a, double b) {
    const double result = a / b;
    return {result, invalidOrInfinite(a, b, result, b == 0 ? kDivisionByZero : kOverflow)};
}

void StatusCheck(const ArithmeticStep& step, unsigned watched) {
    const unsigned signalled = step.flags & watched;
    if (signalled & kInvalidOperation) {
        Fail(FailureKind::InvalidOperation);
    }
    if (signalled & kDivisionByZero) {
        Fail(FailureKind::DivisionByZero);
    }
    if (signalled & kOverflow) {
        Fail(FailureKind::Overflow);
    }
}

}  // namespace tallomat
