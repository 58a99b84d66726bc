// The math services, with the failures that the operations rely on.
#include <cfloat>
#include <cmath>

#include <mpfr.h>

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

// The exponential, the logarithm, the power and the trigonometric functions come from MPFR,
// correctly rounded to the nearest double. The C library's are within an ulp of that, but which
// ulp depends on the processor: its code differs with and without fused multiply-add, so
// exp(-0.6) showed 0.548811636094027 on a 32-bit ARM board and on an older amd64 processor, and
// ...026 on a newer one. The nearest double is one answer on every machine.
class Number {
  public:
    Number() { mpfr_init2(value_, DBL_MANT_DIG); }
    explicit Number(double x) : Number() {
        mpfr_set_d(value_, x, MPFR_RNDN);  // exact: a double fits the precision and the range
    }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
    ~Number() { mpfr_clear(value_); }
    mpfr_ptr get() { return value_; }

  private:
    mpfr_t value_;
};

// Runs an MPFR function with a double's exponent range, so that a result below the smallest
// normal double is rounded once, to a subnormal, as the hardware would.
template <typename Function, typename... Arguments>
double nearestDouble(Function function, Arguments... arguments) {
    mpfr_set_emin(DBL_MIN_EXP - DBL_MANT_DIG + 1);
    mpfr_set_emax(DBL_MAX_EXP);
    Number result;
    const int rounding = function(result.get(), Number(arguments).get()..., MPFR_RNDN);
    mpfr_subnormalize(result.get(), rounding, MPFR_RNDN);
    return mpfr_get_d(result.get(), MPFR_RNDN);
}

}  // namespace

double Power(double x, double y) {
    // pow(-Infinity, 1/3) is +Infinity rather than a NaN, so the domain is checked here.
    if (x < 0 && std::trunc(y) != y && !std::isnan(y)) {
        Fail(FailureKind::OutsideDomain);
    }
    return checked(nearestDouble(mpfr_pow, x, y), x, y);
}

double Sqr(double x) {
    return checked(std::sqrt(x), x);  // exact on every processor
}

double Exp(double x) {
    return checked(nearestDouble(mpfr_exp, x), x);
}

double Ln(double x) {
    if (x == 0) {
        Fail(FailureKind::OutsideDomain);  // the pole of the logarithm, not an overflow
    }
    return checked(nearestDouble(mpfr_log, x), x);
}

double Sin(double x) {
    return checked(nearestDouble(mpfr_sin, x), x);
}

double Cos(double x) {
    return checked(nearestDouble(mpfr_cos, x), x);
}

double Tan(double x) {
    return checked(nearestDouble(mpfr_tan, x), x);
}

}  // namespace tallomat
