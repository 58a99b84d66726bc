// The two-word integer in which 32-bit processors compute the decimal value, against the
// compiler's own 128-bit integer: the same operands through both give the same words.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "wide_integer.h"

namespace tallomat {
namespace {

#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 BuiltIn;

struct Words {
    std::uint64_t high;
    std::uint64_t low;
};

// Every operation that the decimal value uses, on a and b, written out as words.
template <class Integer>
std::vector<std::uint64_t> Results(Words a, Words b, int bits) {
    const Integer x = (Integer{a.high} << 64) | Integer{a.low};
    const Integer y = (Integer{b.high} << 64) | Integer{b.low};
    std::vector<std::uint64_t> words{x < y, x == y};
    for (const Integer value : {x + y, x - y, x * y, x / y, x % y, x << bits, x >> bits}) {
        words.push_back(static_cast<std::uint64_t>(value >> 64));
        words.push_back(static_cast<std::uint64_t>(value));
    }
    return words;
}

TEST(TwoWordInteger, AgreesWithTheBuiltInInteger) {
    const struct {
        Words a;
        Words b;
        int bits;
    } rows[] = {
        {{0, 7}, {0, 10}, 0},
        {{0, 0}, {0, 1}, 1},
        // The largest decimal magnitude, 2^96 - 1, by 10^29, the largest divisor in rounding.
        {{0xFFFFFFFF, ~0ULL}, {0x1431E0FAE, 0x6D7217CAA0000000}, 64},
        {{0x1431E0FAE, 0x6D7217CAA0000000}, {0, 10}, 96},
        // Carries across the words, and products and differences that wrap.
        {{~0ULL, ~0ULL}, {0, 1}, 127},
        {{0, ~0ULL}, {0, ~0ULL}, 63},
        {{0x123456789ABCDEF0, 0x0FEDCBA987654321}, {0x1, 0xFFFFFFFF00000000}, 32},
        {{5, 5}, {5, 5}, 65},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.a.high << ":" << row.a.low << " and " << row.b.high
                                          << ":" << row.b.low);
        EXPECT_EQ(Results<TwoWordInteger>(row.a, row.b, row.bits),
                  Results<BuiltIn>(row.a, row.b, row.bits));
    }
}
#endif

}  // namespace
}  // namespace tallomat
