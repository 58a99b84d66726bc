#pragma once

// Which procedure each control event runs; no other event runs anything.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "engine.h"

namespace tallomat {

class frmmain;

enum class RouteEvent { Click, KeyPress, Load };

// What the procedure receives decides its type: nothing, a digit key's group index, or the
// character code by reference. Exit is the window's own procedure.
using EngineProcedure = void (Engine::*)();
using IndexedProcedure = void (Engine::*)(std::int16_t);
using KeyPressProcedure = void (Engine::*)(std::int16_t&);
using WindowProcedure = void (frmmain::*)();
using Procedure =
    std::variant<EngineProcedure, IndexedProcedure, KeyPressProcedure, WindowProcedure>;

struct Route {
    std::string_view control;  // a control's name, or "frmmain" for the window
    RouteEvent event;
    Procedure procedure;
};

std::span<const Route> routeTable();

// The route of an event, or nullptr when the event runs nothing.
const Route* findRoute(std::string_view control, RouteEvent event);

}  // namespace tallomat
