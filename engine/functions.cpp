// The single-operand functions and pi. Each sets `startnew` first, so that even a failed press
// starts a new entry, keeps its argument in `firstnum`, and writes the display once, last.
#include "engine.h"
#include "float_status.h"
#include "runtime_services.h"

namespace tallomat {

template <class Compute>
void Engine::singleOperand(Compute&& compute) {
    state_.startnew = kTrue;
    trapped([&] {
        state_.firstnum = ToNumber(window_.displayText());
        const double value = compute(state_.firstnum);
        window_.setDisplayText(ToText(value));
    });
}

// Square, cube and 1/x are ordinary 64-bit steps, left to right; a result beyond the float range
// shows "Infinity", and only 1/x of zero fails.
void Engine::cmdsquare_Click() {
    singleOperand([](double x) { return x * x; });
}

void Engine::cmdcube_Click() {
    singleOperand([](double x) { return (x * x) * x; });
}

void Engine::cmddivide_Click() {
    singleOperand([](double x) {
        const ArithmeticStep reciprocal = Divide(1, x);
        StatusCheck(reciprocal, kDivisionByZero | kInvalidOperation);
        return reciprocal.result;
    });
}

void Engine::cmdsqrt_Click() {
    singleOperand([](double x) { return Sqr(x); });
}

// The power with the float nearest to a third, not a cube-root service: every negative argument
// fails, and 1000 shows 10 only through ToText's fifteen digits.
void Engine::cmdcuberoot_Click() {
    singleOperand([](double x) { return Power(x, 1.0 / 3.0); });
}

// A counted loop: the product overflows at the pass whose counter is 171, so it never makes more
// than 171 passes. Its counter is a local of its own; the memory register is left alone.
void Engine::cmdfactorial_Click() {
    singleOperand([this](double x) {
        state_.factnum = 1;
        const double limit = x;
        double counter = 1;
        while (!(counter > limit)) {
            const ArithmeticStep product = Multiply(counter, state_.factnum);
            state_.factnum = product.result;
            StatusCheck(product);
            const ArithmeticStep next = Add(counter, 1);
            counter = next.result;
            StatusCheck(next);
        }
        return state_.factnum;
    });
}

void Engine::cmdint_Click() {
    singleOperand([](double x) { return Floor(x); });
}

void Engine::cmdexp_Click() {
    singleOperand([](double x) { return Exp(x); });
}

void Engine::cmdln_Click() {
    singleOperand([](double x) { return Ln(x); });
}

// The quotient of two natural logarithms, not a base-10 service.
void Engine::cmdlog_Click() {
    singleOperand([](double x) {
        const double numerator = Ln(x);
        const ArithmeticStep quotient = Divide(numerator, Ln(10.0));
        StatusCheck(quotient);
        return quotient.result;
    });
}

// Leaves `firstnum` alone, so pi can be the second operand of a pending operation.
void Engine::cmdpi_Click() {
    state_.startnew = kTrue;
    window_.setDisplayText(ToText(kPiValue));
}

}  // namespace tallomat
