#pragma once

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

ArithmeticStep Add(double a, double b);
ArithmeticStep Subtract(double a, double b);
ArithmeticStep Multiply(double a, double b);
ArithmeticStep Divide(double a, double b);

// The status check: fails when the step signalled one of the exceptions in `watched`. Operations
// store the step's result first and check afterwards, so a failing step leaves its result stored.
void StatusCheck(const ArithmeticStep& step, unsigned watched = kAllStatusFlags);

}  // namespace tallomat
