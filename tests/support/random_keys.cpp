// tallomat-random-keys COUNT [SEED]: plays COUNT keys drawn at random from a fixed seed through the
// engine over the fake window, and prints after each key its number, the key and the display. The
// same seed gives the same keys on every processor, so two runs' outputs differ only where the
// engine computed a different display: scripts/check-architectures compares a processor's run
// with amd64's.
//
// The draws use std::mt19937 and a plain remainder, both defined exactly by the standard.
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "count_and_seed.h"
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

}  // namespace

int main(int argc, char* argv[]) {
    const auto read = tallomat::testing::readCountAndSeed(argc, argv, 20261208);
    if (!read) {
        std::cerr << "usage: tallomat-random-keys COUNT [SEED]\n";
        return 2;
    }
    const std::vector<std::string> tokens = keyTokens();
    std::mt19937 draw(static_cast<std::mt19937::result_type>(read->seed));
    tallomat::testing::KeyPlayer player;
    for (std::uint64_t i = 1; i <= read->count; ++i) {
        const std::string& token = tokens[draw() % tokens.size()];
        std::cout << i << ' ' << token << " -> " << player.play(token) << '\n';
    }
    return 0;
}
