// Coverage-guided fuzzing of the engine with the fake window. The input decodes to a sequence of
// events: a click of any key, a selected angle option, a typed character of any 16-bit
// code, a paste of up to 64 KiB of arbitrary bytes into the display, or an interesting number put
// on the display. After every event the harness checks what must always hold.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "engine.h"
#include "fake_window.h"
#include "fuzz_input.h"
#include "keys.h"
#include "runtime_services.h"
#include "typing.h"

namespace {

using namespace tallomat;
using testing::FakeWindow;

// Numbers near the edges of the operations: ranges, poles, bounds and non-numbers.
constexpr std::string_view kInterestingTexts[] = {
    "1E+308",
    "-1E+308",
    "Infinity",
    "-Infinity",
    "1.79769313486232E+308",
    "4.9E-324",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-1",
    "0",
    "-0",
    "1",
    "0.5",
    "1.0000001",
    "0.9999999",
    "1E+12",
    "1E+15",
    "170",
    "171",
    "90",
    "270",
    "-90",
    "4.54E+30",
    "89.9999",
    "1.2.3",
    " ",
    "",
    "Invalid input for function ",
};

[[noreturn]] void Violation(const char* what, const FakeWindow& window) {
    std::fprintf(stderr, "violated: %s (display \"%s\")\n", what, window.display.c_str());
    std::abort();
}

// Whether a number-producing key that succeeded left a text that reads back as a number. The one
// exception is a fifteen-digit text that rounds beyond the float range, which ToNumber refuses.
bool ReadsBack(std::string_view text) {
    try {
        ToNumber(text);
        return true;
    } catch (const Failure& failure) {
        return failure.kind == FailureKind::NumberTooLarge && text.find('E') != text.npos;
    }
}

bool ProducesNumber(std::string_view key) {
    constexpr std::string_view kProducers[] = {
        "Command11", "cmdequal",     "cmdsquare", "cmdcube", "cmdsqrt", "cmdcuberoot",
        "cmddivide", "cmdfactorial", "cmdint",    "cmdexp",  "cmdln",   "cmdlog",
        "cmdpi",     "cmdsin",       "cmdcos",    "cmdtan",  "mrecall",
    };
    for (const std::string_view producer : kProducers) {
        if (producer == key) {
            return true;
        }
    }
    return false;
}

void CheckInvariants(const Engine& engine, const FakeWindow& window) {
    if (window.indicator != "" && window.indicator != "M") {
        Violation("the indicator is \"\" or \"M\"", window);
    }
    const Boolean16 startnew = engine.state().startnew;
    if (startnew != kTrue && startnew != kFalse) {
        Violation("startnew is True or False", window);
    }
}

void ClickAndCheck(Engine& engine, FakeWindow& window, std::string_view key) {
    const std::size_t writesBefore = window.displayWrites.size();
    const int focusBefore = window.focusRequests;
    // The slowest key, "=" with a hundred million passes of "x^n", takes well under a second in an
    // ordinary build and a few seconds under the fuzzer's instrumentation.
    const auto start = std::chrono::steady_clock::now();
    ClickKey(engine, key);
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) {
        Violation("every key returns within its bound", window);
    }
    const bool succeeded = window.focusRequests == focusBefore;
    const bool wrote = window.displayWrites.size() > writesBefore;
    if (ProducesNumber(key) && succeeded && wrote && window.display != kInvalidInputText &&
        !ReadsBack(window.display)) {
        Violation("a result on the display reads back as a number", window);
    }
    window.displayWrites.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeWindow window;
    Engine engine(window);
    engine.Form_Load();
    testing::FuzzInput input({data, size});
    const auto digits = DigitKeyClicks();
    const auto others = OtherKeyClicks();
    const std::size_t keyCount = digits.size() + others.size();  // the next event is Exit
    while (!input.empty()) {
        const std::size_t event = input.byte() % (keyCount + 6);
        try {
            if (event < digits.size()) {
                ClickAndCheck(engine, window, digits[event].name);
            } else if (event < keyCount) {
                ClickAndCheck(engine, window, others[event - digits.size()].name);
            } else if (event == keyCount) {
                return 0;  // Exit closes the window
            } else if (event == keyCount + 1) {
                window.degreeSelected = (input.byte() & 1) == 0;
            } else if (event == keyCount + 2) {
                testing::TypeCharacter(engine, window, static_cast<std::int16_t>(input.word()));
            } else if (event == keyCount + 3) {
                window.display += input.take(input.word());  // a paste at the end
            } else if (event == keyCount + 4) {
                window.display = input.take(input.word());  // a paste over the whole text
            } else {
                window.display = kInterestingTexts[input.byte() % std::size(kInterestingTexts)];
            }
        } catch (...) {
            Violation("no failure escapes an operation", window);
        }
        CheckInvariants(engine, window);
    }
    return 0;
}
