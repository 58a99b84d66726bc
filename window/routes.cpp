#include "routes.h"

#include <algorithm>
#include <vector>

#include "frmmain.h"
#include "keys.h"

namespace tallomat {
namespace {

using enum RouteEvent;

// The clicks of the keys that the engine handles, then the display's typed characters, the
// window's load and "Exit".
std::vector<Route> makeRoutes() {
    std::vector<Route> routes;
    for (const DigitKeyClick& key : DigitKeyClicks()) {
        routes.push_back({key.name, Click, key.click});
    }
    for (const KeyClick& key : OtherKeyClicks()) {
        routes.push_back({key.name, Click, key.click});
    }
    routes.push_back({"txtinsert", KeyPress, &Engine::txtinsert_KeyPress});
    routes.push_back({"frmmain", Load, &Engine::Form_Load});
    routes.push_back({"cmdexit", Click, &frmmain::cmdexit_Click});
    return routes;
}

}  // namespace

std::span<const Route> routeTable() {
    static const std::vector<Route> kRoutes = makeRoutes();
    return kRoutes;
}

const Route* findRoute(std::string_view control, RouteEvent event) {
    const std::span<const Route> routes = routeTable();
    const auto found = std::ranges::find_if(routes, [&](const Route& route) {
        return route.control == control && route.event == event;
    });
    return found == routes.end() ? nullptr : &*found;
}

}  // namespace tallomat
