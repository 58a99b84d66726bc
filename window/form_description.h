#pragma once

// The main window described as data: one window entry and the control entries, in the order in
// which the window creates them. Nothing else places, captions, colours or orders a control.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tallomat {

enum class ControlKind { Key, TextBox, Option, Frame };

// An RGB colour, or a numbered entry of the colour scheme, which the window takes from its classic
// palette rather than from the desktop's.
struct Colour {
    enum class Source { Rgb, System };
    Source source;
    std::uint8_t red = 0, green = 0, blue = 0;
    int systemIndex = 0;  // 9: text of an active caption bar; 14: text of selected items

    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {Source::Rgb, r, g, b, 0};
    }
    static constexpr Colour system(int index) { return {Source::System, 0, 0, 0, index}; }
};

// A stored font: family, size in points exactly as stored, bold or regular.
struct FontSpec {
    std::string_view family;
    double points;
    bool bold;
};

struct ControlEntry {
    std::string_view name;
    ControlKind kind;
    std::string_view container;  // "frameControls", or "frmmain" for the frame itself
    std::optional<std::string_view> caption = std::nullopt;  // keys and options only
    std::optional<std::int16_t> groupIndex = std::nullopt;   // digit keys: index in their group
    int left, top, width, height;  // twips, from the container's top-left corner
    std::int16_t tabIndex;
    std::optional<FontSpec> font = std::nullopt;      // none: the window's default font, regular
    std::optional<Colour> backColour = std::nullopt;  // none: the toolkit's default
    std::optional<Colour> foreColour = std::nullopt;
    bool enabled;
    std::optional<std::string_view> tooltip = std::nullopt;
    bool graphicalFace = false;  // the key face is painted in the back colour
    // What a screen reader speaks for the control: the caption of a digit or an option, a spoken
    // name for the other keys ("Square root" for "sqrt"), the role of a field or the frame. The
    // tooltip, when there is one, is read after it as the description. Both are in English and
    // are spoken and shown in the user's language.
    std::string_view accessibleName;
};

// The window's fore colour (system colour 14) and its link topic ("Form1") are not kept: nothing
// is drawn with the one, and the window takes part in no link conversation with other programs.
struct WindowEntry {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    Colour backColour;              // shows only in the margin around the frame
};

struct FormDescription {
    WindowEntry window;
    std::span<const ControlEntry> controls;
};

// The description of `frmmain`.
const FormDescription& mainFormDescription();

// The font that controls without a stored font show: the window stores none, so this is ours.
inline constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25, false};

}  // namespace tallomat
