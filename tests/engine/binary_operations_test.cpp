#include <gtest/gtest.h>
#include "key_player.h"
namespace tallomat::testing {
TEST(Smoke, Adds) {
    KeyPlayer p;
    EXPECT_EQ(p.play("Command7 cmdadd Command5 cmdequal"), "12");
}
}
