// The math services over <cmath>, with the failures that the operations rely on.
#include <cmath>

#include "runtime_services.h"

namespace tallomat {
namespace {

// Fails when a result is not-a-number from a number, or infinite from finite arguments.
double checked(double result, double x, double y = 0) {
    if (std::isnan(result) && !std::isnan(x) && !std::isnan(y)) {
        Fail(FailureKind::OutsideDomain);
    }
    if (std::isinf(result) && std::isfinite(x) && std::isfinite(y)) {
        Fail(FailureKind::Overflow);
    }
    return result;
}

}  // namespace

double Power(double x, double y) {
    // pow(-Infinity, 1/3) is +Infinity rather than a NaN, so the domain is checked here.
    if (x < 0 && std::trunc(y) != y && !std::isnan(y)) {
        Fail(FailureKind::OutsideDomain);
    }
    return checked(std::pow(x, y), x, y);
}

double Sqr(double x) {
    return checked(std::sqrt(x), x);
}

double Exp(double x) {
    return checked(std::exp(x), x);
}

double Ln(double x) {
    if (x == 0) {
        Fail(FailureKind::OutsideDomain);  // the pole of the logarithm, not an overflow
    }
    return checked(std::log(x), x);
}

double Sin(double x) {
    return checked(std::sin(x), x);
}

double Cos(double x) {
    return checked(std::cos(x), x);
}

double Tan(double x) {
    return checked(std::tan(x), x);
}

}  // namespace tallomat
