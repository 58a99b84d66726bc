// The memory register: MS, MR, M+ and MC. None of them touches the registers of a pending
// operation, so they can be pressed at any point of a calculation.
#include "engine.h"
#include "float_status.h"
#include "runtime_services.h"

namespace tallomat {

void Engine::mstore_Click() {
    trapped([&] {
        state_.memnum = ToNumber(window_.displayText());
        window_.setIndicatorText("M");
    });
}

void Engine::mrecall_Click() {
    trapped([&] { window_.setDisplayText(ToText(state_.memnum)); });
}

// A sum that fails its status check (an overflow, Infinity plus -Infinity) leaves the stored number
// as it was rather than replacing it with an infinity or a not-a-number.
void Engine::mplus_Click() {
    trapped([&] {
        const ArithmeticStep sum = Add(ToNumber(window_.displayText()), state_.memnum);
        StatusCheck(sum);
        state_.memnum = sum.result;
        state_.startnew = kTrue;
    });
}

void Engine::mclear_Click() {
    trapped([&] {
        state_.memnum = 0;
        window_.setDisplayText("");
        window_.setIndicatorText("");
        window_.focusDisplay();
    });
}

}  // namespace tallomat
