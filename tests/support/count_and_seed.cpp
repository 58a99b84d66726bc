#include "count_and_seed.h"

#include <charconv>
#include <string_view>

namespace tallomat::testing {
namespace {

bool parse(std::string_view text, std::uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::optional<CountAndSeed> readCountAndSeed(int argc, char* argv[], std::uint64_t seed) {
    CountAndSeed read{0, seed};
    if (argc < 2 || argc > 3 || !parse(argv[1], read.count) ||
        (argc == 3 && !parse(argv[2], read.seed))) {
        return std::nullopt;
    }
    return read;
}

}  // namespace tallomat::testing
