// tallomat-soak-tokens COUNT [SEED]: prints COUNT tokens for tallomat-keys, one a line, drawn at
// random from a fixed seed, so that a soak run can be repeated token for token: COUNT - 1 clicks
// on the keys, the options and the display, typed characters and named keys, then "cmdexit",
// which ends the run.
//
// The draws use std::mt19937 and a plain remainder, both defined exactly by the standard, so the
// same seed gives the same tokens with every compiler and library.
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "count_and_seed.h"
#include "form_description.h"
#include "named_keys.h"

namespace {

constexpr std::string_view kExit = "cmdexit";

// Every key but "Exit", the two options and the display.
std::vector<std::string> clickTokens() {
    std::vector<std::string> tokens{"txtinsert"};
    for (const tallomat::ControlEntry& entry : tallomat::mainFormDescription().controls) {
        if ((entry.kind == tallomat::ControlKind::Key && entry.name != kExit) ||
            entry.kind == tallomat::ControlKind::Option) {
            tokens.emplace_back(entry.name);
        }
    }
    return tokens;
}

std::vector<std::string> typedTokens() {
    std::vector<std::string> tokens;
    for (char c = ' '; c <= '~'; ++c) {
        tokens.push_back(std::string("key:") + c);
    }
    return tokens;
}

std::vector<std::string> namedKeyTokens() {
    std::vector<std::string> tokens;
    for (const tallomat::NamedKey& key : tallomat::kNamedKeys) {
        tokens.push_back("key:" + std::string(key.name));
    }
    return tokens;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto read = tallomat::testing::readCountAndSeed(argc, argv, 20261207);
    if (!read || read->count == 0) {
        std::cerr << "usage: tallomat-soak-tokens COUNT [SEED]\n";
        return 2;
    }
    // Half the draws are clicks, nine in twenty typed characters, one in twenty a named key.
    const std::vector<std::string> clicks = clickTokens();
    const std::vector<std::string> typed = typedTokens();
    const std::vector<std::string> named = namedKeyTokens();
    std::mt19937 draw(static_cast<std::mt19937::result_type>(read->seed));
    const auto pick = [&](const std::vector<std::string>& tokens) -> const std::string& {
        return tokens[draw() % tokens.size()];
    };
    for (std::uint64_t i = 1; i < read->count; ++i) {
        const auto kind = draw() % 20;
        std::cout << (kind < 10 ? pick(clicks) : kind < 19 ? pick(typed) : pick(named)) << '\n';
    }
    std::cout << kExit << '\n';
    return 0;
}
