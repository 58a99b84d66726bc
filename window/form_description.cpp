// The description of the main window `frmmain`: the window entry and its controls, in creation
// order. Positions and sizes are twips; every control but the frame lies in `frameControls`.
#include "form_description.h"

#include <QtGlobal>
#include <array>

#include "identity.h"

namespace tallomat {
namespace {

constexpr auto none = std::nullopt;

constexpr std::string_view kFrame = "frameControls";
constexpr Colour kKeyFace = Colour::rgb(224, 224, 224);
constexpr Colour kWhite = Colour::rgb(255, 255, 255);
constexpr Colour kRed = Colour::rgb(255, 0, 0);

constexpr FontSpec kSansBold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kArialBold{"Arial", 9.75, true};
constexpr FontSpec kTimesBold{"Times New Roman", 8.25, true};
constexpr FontSpec kVerdanaBold{"Verdana", 9.75, true};
constexpr FontSpec kVerdanaBold9{"Verdana", 9, true};

// One row builder per kind, so that each row below reads like the layout table. A field that a
// builder leaves out is none, or false for `graphicalFace`.
constexpr ControlEntry frame(std::string_view name, int left, int top, int width, int height,
                             std::int16_t tab, std::string_view accessibleName) {
    return {.name = name,
            .kind = ControlKind::Frame,
            .container = "frmmain",
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = tab,
            .backColour = kWhite,
            .enabled = true,
            .accessibleName = accessibleName};
}

constexpr ControlEntry key(std::string_view name, std::string_view caption, int left, int top,
                           int width, int height, std::int16_t tab, std::optional<FontSpec> font,
                           std::optional<std::string_view> tooltip,
                           std::string_view accessibleName) {
    return {.name = name,
            .kind = ControlKind::Key,
            .container = kFrame,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = tab,
            .font = font,
            .backColour = kKeyFace,
            .enabled = true,
            .tooltip = tooltip,
            .graphicalFace = true,
            .accessibleName = accessibleName};
}

// A digit key is spoken by its caption.
constexpr ControlEntry digit(std::string_view name, std::string_view caption,
                             std::int16_t groupIndex, int left, int top, int width, int height,
                             std::int16_t tab, FontSpec font) {
    ControlEntry entry = key(name, caption, left, top, width, height, tab, font, none, caption);
    entry.groupIndex = groupIndex;
    return entry;
}

// An option is spoken by its caption, which the spoken name repeats for translation.
constexpr ControlEntry option(std::string_view name, std::string_view caption, int left, int top,
                              int width, int height, std::int16_t tab, std::string_view tooltip,
                              std::string_view accessibleName) {
    return {.name = name,
            .kind = ControlKind::Option,
            .container = kFrame,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = tab,
            .backColour = kWhite,
            .enabled = true,
            .tooltip = tooltip,
            .accessibleName = accessibleName};
}

constexpr ControlEntry textBox(std::string_view name, int left, int top, int width, int height,
                               std::int16_t tab, std::optional<Colour> foreColour, bool enabled,
                               std::optional<std::string_view> tooltip,
                               std::string_view accessibleName) {
    return {.name = name,
            .kind = ControlKind::TextBox,
            .container = kFrame,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = tab,
            .foreColour = foreColour,
            .enabled = enabled,
            .tooltip = tooltip,
            .accessibleName = accessibleName};
}

// Tooltips and spoken names are in English, marked for translation; the window shows and speaks
// them in the user's language. Captions stay as they are in every language.
// clang-format off
constexpr auto kControls = std::to_array<ControlEntry>({
    //     name            caption     group left  top   width height tab  font           tooltip                            spoken name
    frame ("frameControls",                  120,    0, 4935, 4095,  1,                                                                                   QT_TRANSLATE_NOOP("Controls", "Keypad")),
    key   ("cmdint",       "Int",             3120, 3480,  495,  375, 45, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Display integer portion"),          QT_TRANSLATE_NOOP("Controls", "Integer part")),
    key   ("cmdln",        "ln",              4320, 3480,  495,  375, 44, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Logarithm( base e)"),               QT_TRANSLATE_NOOP("Controls", "Natural logarithm")),
    option("optionrad",    "Radian",          1440, 1200, 1095,  255, 43,              QT_TRANSLATE_NOOP("Controls", "Set input in degree"),              QT_TRANSLATE_NOOP("Controls", "Radian")),
    option("optiondegree", "Degree",          1440,  960,  975,  315, 42,              QT_TRANSLATE_NOOP("Controls", "Set input in degree"),              QT_TRANSLATE_NOOP("Controls", "Degree")),
    key   ("cmdcuberoot",  "Cube root",       1920, 3480, 1095,  375, 41, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Cube Root"),                        QT_TRANSLATE_NOOP("Controls", "Cube root")),
    key   ("cmdround",     "Round",            720, 3480, 1095,  375, 40, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Round the fractional number"),      QT_TRANSLATE_NOOP("Controls", "Round")),
    key   ("cmdexp",       "Exp",             3720, 3480,  495,  375, 39, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Exponential Function"),             QT_TRANSLATE_NOOP("Controls", "Exponential")),
    key   ("cmdlog",       "log",             4320, 3000,  495,  375, 38, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Logarithm( base 10)"),              QT_TRANSLATE_NOOP("Controls", "Decimal logarithm")),
    key   ("cmdpi",        "pi",               120, 3480,  495,  375, 37, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Value of pi"),                      QT_TRANSLATE_NOOP("Controls", "Pi")),
    key   ("cmdtan",       "tan",             4320, 2520,  495,  375, 36, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Tangent"),                          QT_TRANSLATE_NOOP("Controls", "Tangent")),
    key   ("cmdcos",       "cos",             4320, 2040,  495,  375, 35, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Cosine"),                           QT_TRANSLATE_NOOP("Controls", "Cosine")),
    key   ("cmdsin",       "sin",             4320, 1560,  495,  375, 34, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Sine"),                             QT_TRANSLATE_NOOP("Controls", "Sine")),
    key   ("cmdfactorial", "x !",             3720, 3000,  495,  375, 33, kSansBold,   QT_TRANSLATE_NOOP("Controls", "x Factorial"),                      QT_TRANSLATE_NOOP("Controls", "Factorial")),
    key   ("cmdpower",     "x^n",             3720, 2520,  495,  375, 32, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Power"),                            QT_TRANSLATE_NOOP("Controls", "Power")),
    key   ("cmdcube",      "x^3",             3720, 2040,  495,  375, 31, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Cube"),                             QT_TRANSLATE_NOOP("Controls", "Cube")),
    key   ("cmdsquare",    "x^2",             3720, 1560,  495,  375, 30, kSansBold,   QT_TRANSLATE_NOOP("Controls", "Square"),                           QT_TRANSLATE_NOOP("Controls", "Square")),
    textBox("txtstorevalue",                   120,  960,  495,  495, 29, none, false, QT_TRANSLATE_NOOP("Controls", "Display M when number is stored."), QT_TRANSLATE_NOOP("Controls", "Memory indicator")),
    key   ("cmdexit",      "Exit",             720,  960,  495,  495, 28, kArialBold,  QT_TRANSLATE_NOOP("Controls", "Exit"),                             QT_TRANSLATE_NOOP("Controls", "Exit")),
    key   ("mplus",        "M+",               120, 3000,  495,  375, 27, none,        QT_TRANSLATE_NOOP("Controls", "Memory Increment"),                 QT_TRANSLATE_NOOP("Controls", "Memory add")),
    key   ("mstore",       "MS",               120, 2520,  495,  375, 26, none,        QT_TRANSLATE_NOOP("Controls", "Memory Store"),                     QT_TRANSLATE_NOOP("Controls", "Memory store")),
    key   ("mrecall",      "MR",               120, 2040,  495,  375, 25, none,        QT_TRANSLATE_NOOP("Controls", "Memory Recall"),                    QT_TRANSLATE_NOOP("Controls", "Memory recall")),
    key   ("mclear",       "MC",               120, 1560,  495,  375, 24, none,        QT_TRANSLATE_NOOP("Controls", "Memory Clear"),                     QT_TRANSLATE_NOOP("Controls", "Memory clear")),
    textBox("txtinsert",                       120,  360, 4695,  405,  0, kRed, true,  none,                                                              QT_TRANSLATE_NOOP("Controls", "Display")),
    digit ("Command1",     "1",        0,      720, 1560,  495,  375, 23, kVerdanaBold9),
    digit ("Command2",     "2",        1,     1320, 1560,  495,  375, 22, kVerdanaBold),
    digit ("Command3",     "3",        2,     1920, 1560,  495,  375, 21, kVerdanaBold),
    digit ("Command4",     "4",        3,      720, 2040,  495,  375, 20, kVerdanaBold),
    digit ("Command5",     "5",        4,     1320, 2040,  495,  375, 19, kVerdanaBold),
    digit ("Command6",     "6",        5,     1920, 2040,  495,  375, 18, kVerdanaBold),
    digit ("Command7",     "7",        6,      720, 2520,  495,  375, 17, kVerdanaBold),
    digit ("Command8",     "8",        7,     1320, 2520,  495,  375, 16, kVerdanaBold),
    digit ("Command9",     "9",        8,     1920, 2520,  495,  375, 15, kVerdanaBold),
    digit ("Command10",    "0",        9,      720, 3000,  495,  375, 14, kVerdanaBold),
    key   ("cmdback",      "Backspace",       2520,  960, 1695,  495, 13, kArialBold,  QT_TRANSLATE_NOOP("Controls", "Backspace"),                        QT_TRANSLATE_NOOP("Controls", "Backspace")),
    key   ("cmdc",         "C",               4320,  960,  495,  495, 12, kArialBold,  QT_TRANSLATE_NOOP("Controls", "Cancel"),                           QT_TRANSLATE_NOOP("Controls", "Cancel")),
    key   ("cmddiv",       "/",               2520, 1560,  495,  375, 11, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Division"),                         QT_TRANSLATE_NOOP("Controls", "Divide")),
    key   ("cmdmul",       "*",               2520, 2040,  495,  375, 10, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Multiplication"),                   QT_TRANSLATE_NOOP("Controls", "Multiply")),
    key   ("cmdsub",       "-",               2520, 3000,  495,  375,  9, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Substraction"),                     QT_TRANSLATE_NOOP("Controls", "Subtract")),
    key   ("cmdadd",       "+",               2520, 2520,  495,  375,  8, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Addition"),                         QT_TRANSLATE_NOOP("Controls", "Add")),
    key   ("cmdsqrt",      "sqrt",            3120, 1560,  495,  375,  7, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Square Root"),                      QT_TRANSLATE_NOOP("Controls", "Square root")),
    key   ("cmdmod",       "%",               3120, 2040,  495,  375,  6, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Modulus"),                          QT_TRANSLATE_NOOP("Controls", "Modulus")),
    key   ("cmddivide",    "1/x",             3120, 2520,  495,  375,  5, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "1 divided by x"),                   QT_TRANSLATE_NOOP("Controls", "Reciprocal")),
    key   ("cmdequal",     "=",               3120, 3000,  495,  375,  4, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Equal to"),                         QT_TRANSLATE_NOOP("Controls", "Equals")),
    key   ("Command11",    "+/-",             1320, 3000,  495,  375,  3, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "Change sign"),                      QT_TRANSLATE_NOOP("Controls", "Change sign")),
    key   ("Cmdpoint",     ".",               1920, 3000,  495,  375,  2, kTimesBold,  QT_TRANSLATE_NOOP("Controls", "point"),                            QT_TRANSLATE_NOOP("Controls", "Point")),
});
// clang-format on

constexpr FormDescription kMainForm{
    {
        .name = "frmmain",
        .caption = kProgramName,
        .clientWidth = 5175,
        .clientHeight = 4185,
        .backColour = Colour::system(9),
    },
    kControls,
};

}  // namespace

const FormDescription& mainFormDescription() {
    return kMainForm;
}

}  // namespace tallomat
