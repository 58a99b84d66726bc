#include "power_loop.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>

#include "failure.h"
#include "float_status.h"

namespace tallomat {
namespace {

// Compared bit for bit, so that 0 and -0 differ and a not-a-number equals itself.
bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Whether the products of a base, from 1, certainly neither overflow nor reach the subnormal range
// within the bound. Outside those two ends no product of a base other than 0 and +-1 repeats or
// alternates, so the loop would run into the bound. The magnitude moves by ln|base| a pass, and
// rounding shifts that by far less than the margin of one per cent.
bool cannotSettleWithinBound(double base) {
    const double magnitude = std::fabs(base);
    if (!std::isfinite(magnitude) || magnitude == 0 || magnitude == 1) {
        return false;
    }
    const double room = magnitude > 1 ? std::log(DBL_MAX) : -std::log(DBL_MIN);
    const double passesToEitherEnd = room / std::fabs(std::log(magnitude));
    return passesToEitherEnd > 1.01 * static_cast<double>(kMaxPowerMultiplications);
}

// The loop of "x^n": `passes` is a whole number, 0 or more. An overflow fails only when `watched`
// holds it; otherwise the product goes on as an infinity, which settles at once.
double MultiplyRepeatedly(double base, double passes, unsigned watched, double& resultnum) {
    if (passes > static_cast<double>(kMaxPowerMultiplications) && cannotSettleWithinBound(base)) {
        Fail(FailureKind::TooManyPasses);  // known at once, without a hundred million passes
    }
    // The product lives in a local and is returned; `resultnum` gets only the infinity of a
    // failing overflow. At the bound `resultnum` keeps its 1: no partial power is left.
    double product = resultnum;
    double previous = product;  // the product one pass before `product`, from pass 2 on
    const std::uint64_t allowed = passes > static_cast<double>(kMaxPowerMultiplications)
                                      ? kMaxPowerMultiplications
                                      : static_cast<std::uint64_t>(passes);
    std::uint64_t pass = 0;
    bool settled = false;  // the product repeats or alternates: the remaining passes are known
    while (!settled && pass < allowed) {
        const double next = base * product;
        ++pass;
        // Only a product that is not finite can have signalled: the full status check is made
        // there alone, which keeps this loop to a few instructions a pass.
        if (!(std::fabs(next) <= DBL_MAX)) {
            const ArithmeticStep step = Multiply(base, product);
            if (step.flags & watched) {
                resultnum = step.result;
                StatusCheck(step, watched);
            }
        }
        if (sameBits(next, product)) {
            settled = true;  // a fixed point: every further pass leaves it as it is
        } else if (pass >= 2 && sameBits(next, previous)) {
            // Alternating with period two: an odd number of passes left ends on the other value.
            settled = true;
            const bool oddPassesLeft = std::fmod(passes, 2.0) != static_cast<double>(pass % 2);
            product = oddPassesLeft ? product : next;
        } else {
            previous = product;
            product = next;
        }
    }
    if (!settled && static_cast<double>(pass) < passes) {
        Fail(FailureKind::TooManyPasses);
    }
    return product;
}

}  // namespace

void RaiseToWholePower(double base, double exponent, double& resultnum) {
    if (!(std::fabs(exponent) < std::numeric_limits<double>::infinity())) {
        Fail(FailureKind::TooManyPasses);  // an infinity or not-a-number: no count of passes
    }
    // Every float of 2^53 or more is an integer, so trunc gives the exact number of passes.
    const double whole = std::trunc(exponent);
    if (whole >= 0) {
        resultnum = MultiplyRepeatedly(base, whole, kAllStatusFlags, resultnum);
        return;
    }
    // An overflowing base^m is no failure here: the power is then the reciprocal's, (1/base)^m,
    // which reaches down into the subnormal numbers and is 0 only where it underflows too.
    const unsigned watched = kAllStatusFlags & ~kOverflow;
    const double power = MultiplyRepeatedly(base, -whole, watched, resultnum);
    if (std::isinf(power) && std::isfinite(base)) {
        resultnum = MultiplyRepeatedly(1 / base, -whole, watched, resultnum);
        return;
    }
    const ArithmeticStep reciprocal = Divide(1, power);
    resultnum = reciprocal.result;
    StatusCheck(reciprocal);
}

}  // namespace tallomat
