// tallomat-keys TOKEN...: performs each token on the window as at program start and prints, after
// each one, a line of JSON with the window's texts, selection, focus and calculation state.
//
// tallomat-keys [--memory-every N] --tokens-from FILE: takes the tokens from FILE instead, one a
// line ("-": standard input), for runs longer than a command line can hold. With --memory-every,
// the process's peak and current resident memory go to standard error after every N tokens and
// after the last one; standard output stays the same.
#include <QApplication>
#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "application.h"
#include "frmmain.h"
#include "key_driver.h"
#include "process_memory.h"
#include "startup.h"

namespace {

constexpr const char* kUsage =
    "usage: tallomat-keys TOKEN...\n"
    "       tallomat-keys [--memory-every N] --tokens-from FILE\n";

struct Options {
    std::vector<std::string> tokens;
    long memoryEvery = 0;  // 0: no memory lines
};

std::optional<std::vector<std::string>> readTokens(const std::string& path) {
    std::ifstream file;
    if (path != "-") {
        file.open(path);
        if (!file) {
            return std::nullopt;
        }
    }
    std::istream& in = path == "-" ? std::cin : file;
    std::vector<std::string> tokens;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            tokens.push_back(line);
        }
    }
    return tokens;
}

std::optional<Options> parseOptions(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty() || !arguments.front().starts_with("--")) {
        return Options{arguments};
    }
    Options options;
    std::optional<std::string> tokensFrom;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        const std::string& value = arguments[i + 1];
        if (arguments[i] == "--tokens-from") {
            tokensFrom = value;
        } else if (arguments[i] == "--memory-every") {
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), options.memoryEvery);
            if (error != std::errc() || end != value.data() + value.size() ||
                options.memoryEvery <= 0) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (arguments.size() % 2 != 0 || !tokensFrom) {
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> tokens = readTokens(*tokensFrom);
    if (!tokens) {
        std::cerr << "tallomat-keys: cannot read '" << *tokensFrom << "'\n";
        return std::nullopt;
    }
    options.tokens = std::move(*tokens);
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options || options->tokens.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    for (const std::string& token : options->tokens) {
        if (!tallomat::KeyDriver::isToken(token)) {
            std::cerr << "tallomat-keys: unknown token '" << token << "'\n";
            return 2;
        }
    }
    tallomat::preferOffscreenPlatform();
    int qtArgc = 1;  // the arguments are ours, not Qt's options
    QApplication application(qtArgc, argv);
    tallomat::prepareApplication();
    tallomat::frmmain window;
    tallomat::showAsAtStart(window);
    tallomat::KeyDriver driver(window);
    long performed = 0;
    for (const std::string& token : options->tokens) {
        std::cout << driver.perform(token) << '\n';
        ++performed;
        if (options->memoryEvery > 0 && performed % options->memoryEvery == 0) {
            std::cerr << "after " << performed << " tokens: " << tallomat::processMemory() << '\n';
        }
        if (driver.windowClosed()) {
            break;
        }
    }
    if (options->memoryEvery > 0 && performed % options->memoryEvery != 0) {
        std::cerr << "after " << performed << " tokens: " << tallomat::processMemory() << '\n';
    }
    return 0;
}
