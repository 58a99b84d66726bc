#pragma once

#include <Qt>
#include <string_view>

namespace tallomat {

// The keys that a driver token names ("key:Enter"), with the text that each types as a desktop
// keyboard reports it. The soak token generator draws from the same list.
struct NamedKey {
    std::string_view name;
    Qt::Key key;
    std::string_view text;
};

inline constexpr NamedKey kNamedKeys[] = {
    {"Enter", Qt::Key_Return, "\r"},    {"Backspace", Qt::Key_Backspace, "\b"},
    {"Tab", Qt::Key_Tab, "\t"},         {"Space", Qt::Key_Space, " "},
    {"Delete", Qt::Key_Delete, "\x7f"}, {"Left", Qt::Key_Left, ""},
    {"Right", Qt::Key_Right, ""},       {"Home", Qt::Key_Home, ""},
    {"End", Qt::Key_End, ""},           {"Up", Qt::Key_Up, ""},
    {"Down", Qt::Key_Down, ""},
};

}  // namespace tallomat
