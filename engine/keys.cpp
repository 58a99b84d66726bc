#include "keys.h"

#include <array>

namespace tallomat {
namespace {

// clang-format off
constexpr auto kDigitKeys = std::to_array<DigitKeyClick>({
    {"Command1",  &Engine::Command1_Click,  0},
    {"Command2",  &Engine::Command2_Click,  1},
    {"Command3",  &Engine::Command3_Click,  2},
    {"Command4",  &Engine::Command4_Click,  3},
    {"Command5",  &Engine::Command5_Click,  4},
    {"Command6",  &Engine::Command6_Click,  5},
    {"Command7",  &Engine::Command7_Click,  6},
    {"Command8",  &Engine::Command8_Click,  7},
    {"Command9",  &Engine::Command9_Click,  8},
    {"Command10", &Engine::Command10_Click, 9},
});

constexpr auto kOtherKeys = std::to_array<KeyClick>({
    {"Cmdpoint",     &Engine::Cmdpoint_Click,     false},
    {"cmdback",      &Engine::cmdback_Click,      false},
    {"Command11",    &Engine::Command11_Click,    true},
    {"cmdc",         &Engine::cmdc_Click,         false},
    {"cmdadd",       &Engine::cmdadd_Click,       false},
    {"cmdsub",       &Engine::cmdsub_Click,       false},
    {"cmdmul",       &Engine::cmdmul_Click,       false},
    {"cmddiv",       &Engine::cmddiv_Click,       false},
    {"cmdmod",       &Engine::cmdmod_Click,       false},
    {"cmdpower",     &Engine::cmdpower_Click,     false},
    {"cmdround",     &Engine::cmdround_Click,     false},
    {"cmdequal",     &Engine::cmdequal_Click,     true},
    {"cmdsquare",    &Engine::cmdsquare_Click,    true},
    {"cmdcube",      &Engine::cmdcube_Click,      true},
    {"cmdsqrt",      &Engine::cmdsqrt_Click,      true},
    {"cmdcuberoot",  &Engine::cmdcuberoot_Click,  true},
    {"cmddivide",    &Engine::cmddivide_Click,    true},
    {"cmdfactorial", &Engine::cmdfactorial_Click, true},
    {"cmdint",       &Engine::cmdint_Click,       true},
    {"cmdexp",       &Engine::cmdexp_Click,       true},
    {"cmdln",        &Engine::cmdln_Click,        true},
    {"cmdlog",       &Engine::cmdlog_Click,       true},
    {"cmdpi",        &Engine::cmdpi_Click,        true},
    {"cmdsin",       &Engine::cmdsin_Click,       true},
    {"cmdcos",       &Engine::cmdcos_Click,       true},
    {"cmdtan",       &Engine::cmdtan_Click,       true},
    {"mstore",       &Engine::mstore_Click,       false},
    {"mrecall",      &Engine::mrecall_Click,      true},
    {"mplus",        &Engine::mplus_Click,        false},
    {"mclear",       &Engine::mclear_Click,       false},
});
// clang-format on

}  // namespace

std::span<const DigitKeyClick> DigitKeyClicks() {
    return kDigitKeys;
}
std::span<const KeyClick> OtherKeyClicks() {
    return kOtherKeys;
}

bool ClickKey(Engine& engine, std::string_view name) {
    for (const DigitKeyClick& key : kDigitKeys) {
        if (key.name == name) {
            (engine.*key.click)(key.groupIndex);
            return true;
        }
    }
    for (const KeyClick& key : kOtherKeys) {
        if (key.name == name) {
            (engine.*key.click)();
            return true;
        }
    }
    return false;
}

}  // namespace tallomat
