#include "classic_palette.h"

namespace tallomat {
namespace {

// Each role's colour for active and inactive windows, and for disabled controls.
struct RoleColours {
    QPalette::ColorRole role;
    QRgb normal;
    QRgb disabled;
};

constexpr RoleColours kRoles[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::NoRole, 0xff000000, 0xff000000},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // Qt 6.6 added the accent role; the classic palette has no accent of its own, so it takes
    // the highlight's colours.
    {QPalette::Accent, 0xff308cc6, 0xff919191},
#endif
};
static_assert(std::size(kRoles) == QPalette::NColorRoles, "every role has its colours");

QPalette makeClassicPalette() {
    QPalette palette;
    for (const RoleColours& colours : kRoles) {
        const QColor normal = QColor::fromRgba(colours.normal);
        palette.setColor(QPalette::Active, colours.role, normal);
        palette.setColor(QPalette::Inactive, colours.role, normal);
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return palette;
}

}  // namespace

const QPalette& classicPalette() {
    static const QPalette palette = makeClassicPalette();
    return palette;
}

}  // namespace tallomat
