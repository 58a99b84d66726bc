#include "key_player.h"

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "character_codes.h"
#include "keys.h"
#include "typing.h"

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
            TypeCharacter(engine, window, charcode::kEnter);
        } else if (key == "Backspace") {
            TypeCharacter(engine, window, charcode::kBackspace);
        } else if (key.size() == 1) {
            TypeCharacter(engine, window,
                          static_cast<std::int16_t>(static_cast<unsigned char>(key.front())));
        } else {
            throw std::invalid_argument("unknown key " + std::string(token));
        }
        return;
    }
    if (token == "optiondegree" || token == "optionrad") {
        window.degreeSelected = token == "optiondegree";
        return;
    }
    if (!ClickKey(engine, token)) {
        throw std::invalid_argument("unknown token " + std::string(token));
    }
}

}  // namespace tallomat::testing
