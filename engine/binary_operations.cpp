// The seven operator keys and "=". An operator key never evaluates a pending operation: it only
// replaces `firstnum` and `operation`, so 7 + 5 + 3 = shows 8.
#include <cstdint>
#include <limits>

#include "engine.h"
#include "float_status.h"
#include "power_loop.h"
#include "runtime_services.h"

namespace tallomat {
namespace {

// The remainder of the truncating 32-bit division a / b, with the sign of a. The one quotient that
// does not fit 32 bits fails before the remainder is taken, where C++ leaves it undefined.
double Remainder(std::int32_t a, std::int32_t b) {
    if (b == 0) {
        Fail(FailureKind::DivisionByZero);
    }
    if (a == std::numeric_limits<std::int32_t>::min() && b == -1) {
        Fail(FailureKind::Overflow);
    }
    return a % b;
}

}  // namespace

void Engine::storeOperator(std::string_view code) {
    trapped([&] {
        state_.firstnum = ToNumber(window_.displayText());
        state_.operation = code;
        window_.setDisplayText(" ");
    });
}

void Engine::cmdadd_Click() {
    storeOperator(opcode::kAdd);
}
void Engine::cmdsub_Click() {
    storeOperator(opcode::kSubtract);
}
void Engine::cmdmul_Click() {
    storeOperator(opcode::kMultiply);
}
void Engine::cmddiv_Click() {
    storeOperator(opcode::kDivide);
}
void Engine::cmdmod_Click() {
    storeOperator(opcode::kModulus);
}
void Engine::cmdpower_Click() {
    storeOperator(opcode::kPower);
}
void Engine::cmdround_Click() {
    storeOperator(opcode::kRound);
}

// Every test is made in turn; since the codes differ, at most one block runs. A failing step leaves
// `secondnum`, `startnew` and any result already stored, and the display keeps its text.
void Engine::cmdequal_Click() {
    trapped([&] {
        state_.secondnum = LeadingNumber(window_.displayText());
        state_.startnew = kTrue;
        const auto showResult = [&] {
            window_.setDisplayText(ToText(state_.resultnum));
        };
        const auto arithmetic = [&](const ArithmeticStep& step) {
            state_.resultnum = step.result;
            StatusCheck(step);
            showResult();
        };
        if (state_.operation == opcode::kAdd) {
            arithmetic(Add(state_.firstnum, state_.secondnum));
        }
        if (state_.operation == opcode::kSubtract) {
            arithmetic(Subtract(state_.firstnum, state_.secondnum));
        }
        if (state_.operation == opcode::kMultiply) {
            arithmetic(Multiply(state_.firstnum, state_.secondnum));
        }
        if (state_.operation == opcode::kDivide) {
            arithmetic(Divide(state_.firstnum, state_.secondnum));
        }
        if (state_.operation == opcode::kModulus) {
            const std::int32_t a = ToInt32(state_.firstnum);
            const std::int32_t b = ToInt32(state_.secondnum);
            state_.resultnum = Remainder(a, b);
            showResult();
        }
        if (state_.operation == opcode::kPower) {
            state_.resultnum = 1;
            RaiseToWholePower(state_.firstnum, state_.secondnum, state_.resultnum);
            // The window does not repaint during an operation, so the display is written once.
            showResult();
        }
        if (state_.operation == opcode::kRound) {
            const std::int32_t decimals = ToInt32(state_.secondnum);
            state_.resultnum = RoundTo(state_.firstnum, decimals);
            showResult();
        }
    });
}

}  // namespace tallomat
