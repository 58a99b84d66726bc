#pragma once
// The command line "COUNT [SEED]" of the programs that print random keys from a fixed seed.
#include <cstdint>
#include <optional>

namespace tallomat::testing {

struct CountAndSeed {
    std::uint64_t count;
    std::uint64_t seed;
};

// The count and the seed, or `seed` where none is given; nothing when an argument is missing,
// extra, or not a whole decimal number.
std::optional<CountAndSeed> readCountAndSeed(int argc, char* argv[], std::uint64_t seed);

}  // namespace tallomat::testing
