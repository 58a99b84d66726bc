#include "key_player.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace tallomat::testing {
namespace {

using Click = void (Engine::*)();
using DigitClick = void (Engine::*)(std::int16_t);

const std::map<std::string_view, Click>& clicks() {
    static const std::map<std::string_view, Click> kClicks = {
        {"Cmdpoint", &Engine::Cmdpoint_Click},   {"cmdback", &Engine::cmdback_Click},
        {"Command11", &Engine::Command11_Click}, {"cmdc", &Engine::cmdc_Click},
        {"cmdadd", &Engine::cmdadd_Click},       {"cmdsub", &Engine::cmdsub_Click},
        {"cmdmul", &Engine::cmdmul_Click},       {"cmddiv", &Engine::cmddiv_Click},
        {"cmdmod", &Engine::cmdmod_Click},       {"cmdpower", &Engine::cmdpower_Click},
        {"cmdround", &Engine::cmdround_Click},   {"cmdequal", &Engine::cmdequal_Click},
        {"cmdsquare", &Engine::cmdsquare_Click}, {"cmdcube", &Engine::cmdcube_Click},
        {"cmdsqrt", &Engine::cmdsqrt_Click},     {"cmdcuberoot", &Engine::cmdcuberoot_Click},
        {"cmddivide", &Engine::cmddivide_Click}, {"cmdfactorial", &Engine::cmdfactorial_Click},
        {"cmdint", &Engine::cmdint_Click},       {"cmdexp", &Engine::cmdexp_Click},
        {"cmdln", &Engine::cmdln_Click},         {"cmdlog", &Engine::cmdlog_Click},
        {"cmdpi", &Engine::cmdpi_Click},         {"cmdsin", &Engine::cmdsin_Click},
        {"cmdcos", &Engine::cmdcos_Click},       {"cmdtan", &Engine::cmdtan_Click},
        {"mstore", &Engine::mstore_Click},       {"mrecall", &Engine::mrecall_Click},
        {"mplus", &Engine::mplus_Click},         {"mclear", &Engine::mclear_Click},
    };
    return kClicks;
}

// The digit keys with their group index: "1" has 0, ..., "9" has 8, "0" has 9.
struct DigitKey {
    std::string_view name;
    DigitClick click;
    std::int16_t index;
};
constexpr DigitKey kDigitKeys[] = {
    {"Command1", &Engine::Command1_Click, 0}, {"Command2", &Engine::Command2_Click, 1},
    {"Command3", &Engine::Command3_Click, 2}, {"Command4", &Engine::Command4_Click, 3},
    {"Command5", &Engine::Command5_Click, 4}, {"Command6", &Engine::Command6_Click, 5},
    {"Command7", &Engine::Command7_Click, 6}, {"Command8", &Engine::Command8_Click, 7},
    {"Command9", &Engine::Command9_Click, 8}, {"Command10", &Engine::Command10_Click, 9},
};

}  // namespace

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
    if (const auto click = clicks().find(token); click != clicks().end()) {
        (engine.*click->second)();
        return;
    }
    for (const DigitKey& digit : kDigitKeys) {
        if (token == digit.name) {
            (engine.*digit.click)(digit.index);
            return;
        }
    }
    ADD_FAILURE() << "unknown token " << token;
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
