#include "failure.h"

namespace tallomat {

void Fail(FailureKind kind) {
    throw Failure{kind};
}

std::string ErrorDescription(const Failure& failure) {
    switch (failure.kind) {
        case FailureKind::NotANumber:
            return "The display does not hold a number.";
        case FailureKind::NumberTooLarge:
            return "The number is too large.";
        case FailureKind::Overflow:
            return "The result is too large.";
        case FailureKind::DivisionByZero:
            return "Division by zero.";
        case FailureKind::InvalidOperation:
            return "The operation has no defined result.";
        case FailureKind::OutsideDomain:
            return "The function is not defined for this number.";
        case FailureKind::OutsideInt32:
            return "The number is outside the range of a 32-bit integer.";
        case FailureKind::DecimalOverflow:
            return "The number is too large for a decimal value.";
        case FailureKind::TooManyPasses:
            return "The power needs too many multiplications.";
    }
    return "The operation failed.";
}

}  // namespace tallomat
