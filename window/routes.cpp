#include "routes.h"

#include <algorithm>
#include <array>

#include "frmmain.h"

namespace tallomat {
namespace {

using enum RouteEvent;

// clang-format off
const std::array<Route, 43> kRoutes{{
    {"Command1",     Click,    &Engine::Command1_Click},
    {"Command2",     Click,    &Engine::Command2_Click},
    {"Command3",     Click,    &Engine::Command3_Click},
    {"Command4",     Click,    &Engine::Command4_Click},
    {"Command5",     Click,    &Engine::Command5_Click},
    {"Command6",     Click,    &Engine::Command6_Click},
    {"Command7",     Click,    &Engine::Command7_Click},
    {"Command8",     Click,    &Engine::Command8_Click},
    {"Command9",     Click,    &Engine::Command9_Click},
    {"Command10",    Click,    &Engine::Command10_Click},
    {"Cmdpoint",     Click,    &Engine::Cmdpoint_Click},
    {"cmdback",      Click,    &Engine::cmdback_Click},
    {"Command11",    Click,    &Engine::Command11_Click},
    {"cmdc",         Click,    &Engine::cmdc_Click},
    {"txtinsert",    KeyPress, &Engine::txtinsert_KeyPress},
    {"cmdadd",       Click,    &Engine::cmdadd_Click},
    {"cmdsub",       Click,    &Engine::cmdsub_Click},
    {"cmdmul",       Click,    &Engine::cmdmul_Click},
    {"cmddiv",       Click,    &Engine::cmddiv_Click},
    {"cmdmod",       Click,    &Engine::cmdmod_Click},
    {"cmdpower",     Click,    &Engine::cmdpower_Click},
    {"cmdround",     Click,    &Engine::cmdround_Click},
    {"cmdequal",     Click,    &Engine::cmdequal_Click},
    {"cmdsquare",    Click,    &Engine::cmdsquare_Click},
    {"cmdcube",      Click,    &Engine::cmdcube_Click},
    {"cmdsqrt",      Click,    &Engine::cmdsqrt_Click},
    {"cmdcuberoot",  Click,    &Engine::cmdcuberoot_Click},
    {"cmddivide",    Click,    &Engine::cmddivide_Click},
    {"cmdfactorial", Click,    &Engine::cmdfactorial_Click},
    {"cmdint",       Click,    &Engine::cmdint_Click},
    {"cmdexp",       Click,    &Engine::cmdexp_Click},
    {"cmdln",        Click,    &Engine::cmdln_Click},
    {"cmdlog",       Click,    &Engine::cmdlog_Click},
    {"cmdpi",        Click,    &Engine::cmdpi_Click},
    {"cmdsin",       Click,    &Engine::cmdsin_Click},
    {"cmdcos",       Click,    &Engine::cmdcos_Click},
    {"cmdtan",       Click,    &Engine::cmdtan_Click},
    {"mstore",       Click,    &Engine::mstore_Click},
    {"mrecall",      Click,    &Engine::mrecall_Click},
    {"mplus",        Click,    &Engine::mplus_Click},
    {"mclear",       Click,    &Engine::mclear_Click},
    {"frmmain",      Load,     &Engine::Form_Load},
    {"cmdexit",      Click,    &frmmain::cmdexit_Click},
}};
// clang-format on

}  // namespace

std::span<const Route> routeTable() {
    return kRoutes;
}

const Route* findRoute(std::string_view control, RouteEvent event) {
    const auto found = std::ranges::find_if(kRoutes, [&](const Route& route) {
        return route.control == control && route.event == event;
    });
    return found == kRoutes.end() ? nullptr : &*found;
}

}  // namespace tallomat
