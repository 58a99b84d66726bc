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
    {"Cmdpoint",     &Engine::Cmdpoint_Click},
    {"cmdback",      &Engine::cmdback_Click},
    {"Command11",    &Engine::Command11_Click},
    {"cmdc",         &Engine::cmdc_Click},
    {"cmdadd",       &Engine::cmdadd_Click},
    {"cmdsub",       &Engine::cmdsub_Click},
    {"cmdmul",       &Engine::cmdmul_Click},
    {"cmddiv",       &Engine::cmddiv_Click},
    {"cmdmod",       &Engine::cmdmod_Click},
    {"cmdpower",     &Engine::cmdpower_Click},
    {"cmdround",     &Engine::cmdround_Click},
    {"cmdequal",     &Engine::cmdequal_Click},
    {"cmdsquare",    &Engine::cmdsquare_Click},
    {"cmdcube",      &Engine::cmdcube_Click},
    {"cmdsqrt",      &Engine::cmdsqrt_Click},
    {"cmdcuberoot",  &Engine::cmdcuberoot_Click},
    {"cmddivide",    &Engine::cmddivide_Click},
    {"cmdfactorial", &Engine::cmdfactorial_Click},
    {"cmdint",       &Engine::cmdint_Click},
    {"cmdexp",       &Engine::cmdexp_Click},
    {"cmdln",        &Engine::cmdln_Click},
    {"cmdlog",       &Engine::cmdlog_Click},
    {"cmdpi",        &Engine::cmdpi_Click},
    {"cmdsin",       &Engine::cmdsin_Click},
    {"cmdcos",       &Engine::cmdcos_Click},
    {"cmdtan",       &Engine::cmdtan_Click},
    {"mstore",       &Engine::mstore_Click},
    {"mrecall",      &Engine::mrecall_Click},
    {"mplus",        &Engine::mplus_Click},
    {"mclear",       &Engine::mclear_Click},
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
