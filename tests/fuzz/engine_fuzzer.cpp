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

void CheckInvariants(const Engine& engine, const FakeWindow& window) {
    if (window.indicator != "" && window.indicator != "M") {
        Violation("the indicator is \"\" or \"M\"", window);
    }
    const Boolean16 startnew = engine.state().startnew;
    if (startnew != kTrue && startnew != kFalse) {
        Violation("startnew is True or False", window);
    }
}

void ClickAndCheck(Engine& engine, FakeWindow& window, std::string_view key, bool showsNumber) {
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
    if (showsNumber && succeeded && wrote && window.display != kInvalidInputText &&
        !ReadsBack(window.display)) {
        Violation("a result on the display reads back as a number", window);
    }
    window.displayWrites.clear();
}

// What an input byte picks after the keys of the engine's table, in this order; each returns
// whether the window is still open.
using Event = bool (*)(Engine&, FakeWindow&, testing::FuzzInput&);
constexpr Event kEventsAfterKeys[] = {
    [](Engine&, FakeWindow&, testing::FuzzInput&) { return false; },  // Exit closes the window
    [](Engine&, FakeWindow& window, testing::FuzzInput& input) {
        window.degreeSelected = (input.byte() & 1) == 0;
        return true;
    },
    [](Engine& engine, FakeWindow& window, testing::FuzzInput& input) {
        testing::TypeCharacter(engine, window, static_cast<std::int16_t>(input.word()));
        return true;
    },
    [](Engine&, FakeWindow& window, testing::FuzzInput& input) {
        window.display += input.take(input.word());  // a paste at the end
        return true;
    },
    [](Engine&, FakeWindow& window, testing::FuzzInput& input) {
        window.display = input.take(input.word());  // a paste over the whole text
        return true;
    },
    [](Engine&, FakeWindow& window, testing::FuzzInput& input) {
        window.display = kInterestingTexts[input.byte() % std::size(kInterestingTexts)];
        return true;
    },
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeWindow window;
    Engine engine(window);
    engine.Form_Load();
    testing::FuzzInput input({data, size});
    const auto digits = DigitKeyClicks();
    const auto others = OtherKeyClicks();
    const std::size_t keyCount = digits.size() + others.size();
    while (!input.empty()) {
        const std::size_t event = input.byte() % (keyCount + std::size(kEventsAfterKeys));
        try {
            if (event < digits.size()) {
                ClickAndCheck(engine, window, digits[event].name, false);
            } else if (event < keyCount) {
                const KeyClick& key = others[event - digits.size()];
                ClickAndCheck(engine, window, key.name, key.showsNumber);
            } else if (!kEventsAfterKeys[event - keyCount](engine, window, input)) {
                return 0;
            }
        } catch (...) {
            Violation("no failure escapes an operation", window);
        }
        CheckInvariants(engine, window);
    }
    return 0;
}
