#include "failure.h"

// Marks a message for the window's translators where it is written: lupdate reads the macro by
// its name, and the window translates the English text in the same context. The engine gives
// the English text itself, so it needs no Qt.
#define QT_TRANSLATE_NOOP(context, text) text

namespace tallomat {

void Fail(FailureKind kind) {
    throw Failure{kind};
}

std::string ErrorDescription(const Failure& failure) {
    switch (failure.kind) {
        case FailureKind::NotANumber:
            return QT_TRANSLATE_NOOP("Messages", "The display does not hold a number.");
        case FailureKind::NumberTooLarge:
            return QT_TRANSLATE_NOOP("Messages", "The number is too large.");
        case FailureKind::Overflow:
            return QT_TRANSLATE_NOOP("Messages", "The result is too large.");
        case FailureKind::DivisionByZero:
            return QT_TRANSLATE_NOOP("Messages", "Division by zero.");
        case FailureKind::InvalidOperation:
            return QT_TRANSLATE_NOOP("Messages", "The operation has no defined result.");
        case FailureKind::OutsideDomain:
            return QT_TRANSLATE_NOOP("Messages", "The function is not defined for this number.");
        case FailureKind::OutsideInt32:
            return QT_TRANSLATE_NOOP("Messages",
                                     "The number is outside the range of a 32-bit integer.");
        case FailureKind::DecimalOverflow:
            return QT_TRANSLATE_NOOP("Messages", "The number is too large for a decimal value.");
        case FailureKind::TooManyPasses:
            return QT_TRANSLATE_NOOP("Messages", "The power needs too many multiplications.");
    }
    return QT_TRANSLATE_NOOP("Messages", "The operation failed.");
}

}  // namespace tallomat
