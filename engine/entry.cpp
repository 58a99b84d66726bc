// Number entry and editing: the digit and point keys, Backspace, the sign change, Cancel and the
// display's key filter. Entry is text work only; a malformed number is noticed by the operation
// that later converts the display.
#include <string>

#include "character_codes.h"
#include "engine.h"
#include "runtime_services.h"

namespace tallomat {
namespace {

// The text without its last character. The display holds UTF-8, so a character may span several
// bytes: its continuation bytes go with it.
std::string withoutLastCharacter(const std::string& text) {
    std::size_t end = text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

}  // namespace

// Exactly one of the two steps writes the display: the first leaves `startnew` as it is, and the
// second reads it afresh.
template <class ReadCaption>
void Engine::appendKeyCaption(ReadCaption&& readCaption) {
    if (state_.startnew == kFalse) {
        const std::string text = window_.displayText();
        const std::string caption = readCaption();
        window_.setDisplayText(text + caption);
    }
    if (state_.startnew == kTrue) {
        window_.setDisplayText("");
        state_.startnew = kFalse;
        const std::string text = window_.displayText();
        const std::string caption = readCaption();
        window_.setDisplayText(text + caption);
    }
}

// The caption is read at every click: the digit that a key enters is its caption.
void Engine::appendDigitCaption(std::int16_t index) {
    appendKeyCaption([&] { return window_.digitKeyCaption(index); });
}

void Engine::Command1_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command2_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command3_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command4_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command5_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command6_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command7_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command8_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command9_Click(std::int16_t index) {
    appendDigitCaption(index);
}
void Engine::Command10_Click(std::int16_t index) {
    appendDigitCaption(index);
}

void Engine::Cmdpoint_Click() {
    appendKeyCaption([&] { return window_.pointKeyCaption(); });
}

// Always cuts the last character, wherever the insertion point stands; leaves `startnew` alone.
void Engine::cmdback_Click() {
    if (window_.displayText().empty()) {
        window_.focusDisplay();
    }
    const std::string text = window_.displayText();
    if (!text.empty()) {
        window_.setDisplayText(withoutLastCharacter(text));
    }
}

// `firstnum` keeps the number read, not its negation. A zero leaves the display character for
// character ("000" stays "000"); any other number is rewritten as ToText gives its negation, which
// is exact and never fails.
void Engine::Command11_Click() {
    state_.startnew = kTrue;
    trapped(
        [&] {
            state_.firstnum = ToNumber(window_.displayText());
            if (state_.firstnum > 0 || state_.firstnum < 0) {
                window_.setDisplayText(ToText(-state_.firstnum));
            }
        },
        [&](const Failure& failure) {
            window_.showMessage(ErrorDescription(failure));
            window_.focusDisplay();
        });
}

// A pending operation survives Cancel. `firstnum` is cleared, so that "=" right after Cancel and
// a new operand computes with 0 as the first operand: 5 + C 3 = shows "3".
void Engine::cmdc_Click() {
    window_.setDisplayText(" ");
    state_.firstnum = 0;
    window_.focusDisplay();
}

void Engine::txtinsert_KeyPress(std::int16_t& keyAscii) {
    struct OperatorKey {
        char character;
        void (Engine::*click)();
    };
    // In the order of comparison: "/" is taken here before the entry characters below.
    static constexpr OperatorKey kOperatorKeys[] = {
        {'+', &Engine::cmdadd_Click}, {'-', &Engine::cmdsub_Click}, {'/', &Engine::cmddiv_Click},
        {'*', &Engine::cmdmul_Click}, {'%', &Engine::cmdmod_Click},
    };
    for (const OperatorKey& key : kOperatorKeys) {
        if (keyAscii == key.character) {
            (this->*key.click)();
            keyAscii = 0;  // the operator is discarded, also when its operation failed
            return;
        }
    }
    if (keyAscii == charcode::kEnter) {
        cmdequal_Click();
        return;  // Enter still reaches the field
    }
    const bool entersText =
        keyAscii == charcode::kBackspace || keyAscii == '.' || (keyAscii >= '0' && keyAscii <= '9');
    if (!entersText) {
        keyAscii = 0;
    }
}

}  // namespace tallomat
