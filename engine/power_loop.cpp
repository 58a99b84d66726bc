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

}  // namespace

bool RaiseByRepeatedMultiplication(double base, double limit, double& resultnum) {
    if (!(limit < std::numeric_limits<double>::infinity())) {
        Fail(FailureKind::TooManyPasses);  // +Infinity or not-a-number: the loop would never end
    }
    // Every float of 2^53 or more is an integer, so floor gives the exact number of passes.
    const double passes = limit >= 1 ? std::floor(limit) : 0;
    if (passes > static_cast<double>(kMaxPowerMultiplications) && cannotSettleWithinBound(base)) {
        Fail(FailureKind::TooManyPasses);  // known at once, without a hundred million passes
    }
    // The product lives in a local while the loop runs; it reaches `resultnum` at the end, or with
    // the infinity of an overflow. At the bound `resultnum` keeps its 1: no partial power is left.
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
            resultnum = step.result;
            StatusCheck(step);
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
    resultnum = product;
    return passes > 0;
}

}  // namespace tallomat
