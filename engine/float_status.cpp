#include "float_status.h"

#include "failure.h"

namespace tallomat {

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
