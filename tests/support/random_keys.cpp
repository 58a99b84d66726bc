// tallomat-random-keys COUNT [SEED]: plays COUNT keys drawn at random from a fixed seed through the
// engine over the fake window, and prints after each key its number, the key and the display. The
// same seed gives the same keys on every processor, so two runs' outputs differ only where the
// engine computed a different display: scripts/check-architectures compares a processor's run
// with amd64's.
//
// The draws use std::mt19937 and a plain remainder, both defined exactly by the standard.
#include <charconv>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "key_player.h"
#include "keys.h"

namespace {

// Every key of the engine, the two options, and what the display's key filter acts on.
std::vector<std::string> keyTokens() {
    std::vector<std::string> tokens{"optiondegree", "optionrad", "key:Enter", "key:Backspace"};
    for (const tallomat::DigitKeyClick& key : tallomat::DigitKeyClicks()) {
        tokens.emplace_back(key.name);
    }
    for (const tallomat::KeyClick& key : tallomat::OtherKeyClicks()) {
        tokens.emplace_back(key.name);
    }
    for (const char c : std::string_view("0123456789.+-*/%")) {
        tokens.push_back(std::string("key:") + c);
    }
    return tokens;
}

bool parse(const char* text, std::uint64_t& value) {
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    return error == std::errc() && end == view.data() + view.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    std::uint64_t count = 0;
    std::uint64_t seed = 20261208;
    if (argc < 2 || argc > 3 || !parse(argv[1], count) || (argc == 3 && !parse(argv[2], seed))) {
        std::cerr << "usage: tallomat-random-keys COUNT [SEED]\n";
        return 2;
    }
    const std::vector<std::string> tokens = keyTokens();
    std::mt19937 draw(static_cast<std::mt19937::result_type>(seed));
    tallomat::testing::KeyPlayer player;
    for (std::uint64_t i = 1; i <= count; ++i) {
        const std::string& token = tokens[draw() % tokens.size()];
        std::cout << i << ' ' << token << " -> " << player.play(token) << '\n';
    }
    return 0;
}
