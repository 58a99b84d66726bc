#include "key_player.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "keys.h"

namespace tallomat::testing {

std::string WithSpaces(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\\s") {
            result += ' ';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

bool SameNumber(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

std::string CaseName(std::string_view text) {
    static const std::map<char, std::string_view> kSpelled = {
        {'=', "Is"},  {'-', "Minus"}, {'+', "Plus"}, {'.', "Point"}, {'*', "Times"}, {'/', "Slash"},
        {'%', "Pct"}, {':', "Key"},   {'^', "Hat"},  {',', "Comma"}, {'\\', "Sp"},
    };
    std::string name;
    bool capitalise = false;
    for (const char c : text) {
        const bool alphanumeric =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (alphanumeric) {
            name += capitalise && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            capitalise = false;
        } else if (const auto spelled = kSpelled.find(c); spelled != kSpelled.end()) {
            name += spelled->second;
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            constexpr std::string_view kHex = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            name += 'X';
            name += kHex[byte >> 4];
            name += kHex[byte & 0xF];
        } else {
            capitalise = true;
        }
    }
    return name.empty() ? "Empty" : name;
}

std::string KeyPlayer::play(std::string_view keys) {
    while (!keys.empty()) {
        const std::size_t end = keys.find(' ');
        const std::string_view token = keys.substr(0, end);
        if (!token.empty()) {
            playToken(token);
        }
        keys = end == std::string_view::npos ? std::string_view{} : keys.substr(end + 1);
    }
    return window.display;
}

void KeyPlayer::playToken(std::string_view token) {
    if (token.starts_with("display=")) {
        window.display = WithSpaces(token.substr(8));
        return;
    }
    if (token.starts_with("key:")) {
        const std::string_view key = token.substr(4);
        if (key == "Enter") {
            typeCharacter(13);
        } else if (key == "Backspace") {
            typeCharacter(8);
        } else if (key.size() == 1) {
            typeCharacter(static_cast<std::int16_t>(static_cast<unsigned char>(key.front())));
        } else {
            ADD_FAILURE() << "unknown key " << token;
        }
        return;
    }
    if (token == "optiondegree" || token == "optionrad") {
        window.degreeSelected = token == "optiondegree";
        return;
    }
    if (!ClickKey(engine, token)) {
        ADD_FAILURE() << "unknown token " << token;
    }
}

// The field's own editing of a code that the filter let through: a character is inserted at the
// insertion point (kept at the end here), Backspace deletes before it, Enter does nothing.
void KeyPlayer::typeCharacter(std::int16_t code) {
    engine.txtinsert_KeyPress(code);
    if (code == 8) {
        if (!window.display.empty()) {
            window.display.pop_back();
        }
    } else if (code >= 32 && code < 127) {
        window.display += static_cast<char>(code);
    }
}

}  // namespace tallomat::testing
