#pragma once

#include <string>

namespace tallomat {

// Why a step of an operation failed. Each kind is caught by the operation's error trap and
// handled by its recovery; no failure leaves an operation.
enum class FailureKind {
    NotANumber,        // a strict reading found no number in the text (" ", "", "1.2.3", ...)
    NumberTooLarge,    // a text or a rounded value lies beyond the range of the 64-bit float
    Overflow,          // an arithmetic step or math function overflowed from finite arguments
    DivisionByZero,    // a finite non-zero number, or an integer, divided by zero
    InvalidOperation,  // an arithmetic step without a defined result, such as 0 / 0 or Infinity -
                       // Infinity
    OutsideDomain,     // a math function given an argument outside its domain, such as Ln(0) or
                       // Sqr(-1)
    OutsideInt32,      // a number that does not fit a 32-bit integer after rounding
    DecimalOverflow,   // a number beyond the range of the decimal value (about 7.92E+28)
    TooManyPasses,     // a power that would need more than the bounded number of multiplications
};

// The failure that an operation's error trap catches.
struct Failure {
    FailureKind kind;
};

// Abandons the running operation: its error trap runs the recovery.
[[noreturn]] void Fail(FailureKind kind);

// A short English sentence that names the failure, for the sign change's message box.
std::string ErrorDescription(const Failure& failure);

}  // namespace tallomat
