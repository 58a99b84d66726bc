#include "typing.h"

#include <cstddef>
#include <string_view>

#include "character_codes.h"

namespace tallomat::testing {
namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence that a byte starts: 0 for a byte that starts none.
std::size_t SequenceLength(char byte) {
    const auto lead = static_cast<unsigned char>(byte);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC0 && lead < 0xF8) {
        return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    }
    return 0;
}

// Where the last character begins: the start of the UTF-8 sequence that ends the text, or its last
// byte when that byte does not end a whole sequence.
std::size_t LastCharacterStart(std::string_view text) {
    std::size_t start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 && IsContinuationByte(text[start])) {
        --start;
    }
    return SequenceLength(text[start]) == text.size() - start ? start : text.size() - 1;
}

}  // namespace

void TypeCharacter(Engine& engine, FakeWindow& window, std::int16_t code) {
    engine.txtinsert_KeyPress(code);
    if (code == charcode::kBackspace) {
        if (!window.display.empty()) {
            window.display.erase(LastCharacterStart(window.display));
        }
    } else if (code >= charcode::kSpace && code < charcode::kDelete) {
        // The filter lets no other printable code through.
        window.display += static_cast<char>(code);
    }
}

}  // namespace tallomat::testing
