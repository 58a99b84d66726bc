// Number entry and editing: the digit and point keys, Backspace, the sign change, Cancel and the
// display's key filter.
#include <gtest/gtest.h>

#include <cstdint>

#include "character_codes.h"
#include "key_player.h"

namespace tallomat::testing {
namespace {

struct EntryCase {
    const char* keys;
    const char* display;  // "\s" stands for a space
    Boolean16 startnew;
    int focusRequests;
    int messages;
};

class Entry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Entry, EditsTheDisplay) {
    const EntryCase& c = GetParam();
    KeyPlayer player;
    EXPECT_EQ(player.play(c.keys), WithSpaces(c.display));
    EXPECT_EQ(player.state().startnew, c.startnew);
    EXPECT_EQ(player.window.focusRequests, c.focusRequests);
    EXPECT_EQ(player.window.messages.size(), static_cast<std::size_t>(c.messages));
}

const EntryCase kEntries[] = {
    // Digit and point keys append their caption; startnew makes them replace the display.
    {"Command1 Command2", "12", kFalse, 0, 0},
    {"Command10 Command10 Cmdpoint Cmdpoint Command5", "00..5", kFalse, 0, 0},
    {"Command1 Cmdpoint Command2 Cmdpoint Command3", "1.2.3", kFalse, 0, 0},
    {"Command7 cmdadd Command5", "\\s5", kFalse, 0, 0},
    {"Command7 cmdadd Command5 cmdequal cmdadd Command5", "5", kFalse, 0, 0},
    {"Command7 cmdadd Command5 cmdequal Command3", "3", kFalse, 0, 0},
    {"Command7 cmdadd Command5 cmdequal Cmdpoint", ".", kFalse, 0, 0},
    {"Command7 cmdadd Command5 cmdequal Command3 cmdequal", "10", kTrue, 0, 0},
    // Backspace cuts the last character and leaves startnew alone.
    {"cmdback", "", kFalse, 1, 0},
    {"display=\\s cmdback", "", kFalse, 0, 0},
    {"display=5 cmdback", "", kFalse, 0, 0},
    {"display=-5 cmdback", "-", kFalse, 0, 0},
    {"Command1 Command2 cmdequal cmdback", "1", kTrue, 0, 0},
    {"Command1 Command2 cmdequal cmdback Command3", "3", kFalse, 0, 0},
    {"display=Invalid\\sinput\\sfor\\sfunction\\s cmdback", "Invalid\\sinput\\sfor\\sfunction",
     kFalse, 0, 0},
    {"display=5\xC3\xA9 cmdback", "5", kFalse, 0, 0},    // a two-byte character goes whole
    {"display=\xE2\x82\xAC cmdback", "", kFalse, 0, 0},  // and so does a three-byte one
    // The sign change rewrites the number in ToText's form; zero keeps its text.
    {"display=5 Command11", "-5", kTrue, 0, 0},
    {"display=-5 Command11", "5", kTrue, 0, 0},
    {"display=\\s5 Command11", "-5", kTrue, 0, 0},
    {"display=1.50 Command11", "-1.5", kTrue, 0, 0},
    {"display=0 Command11", "0", kTrue, 0, 0},
    {"display=000 Command11", "000", kTrue, 0, 0},
    {"display=\\s0 Command11", "\\s0", kTrue, 0, 0},
    {"display=-0 Command11", "-0", kTrue, 0, 0},
    {"display=1E+308 Command11", "-1E+308", kTrue, 0, 0},
    {"display=Infinity Command11", "-Infinity", kTrue, 0, 0},
    {"display=-Infinity Command11", "Infinity", kTrue, 0, 0},
    {"display=4.9E-324 Command11", "-4.94065645841247E-324", kTrue, 0, 0},
    {"Command1 Command2 Command11 Command3", "3", kFalse, 0, 0},
    // A sign change on a display without a number shows a message and focuses the display.
    {"Command11", "", kTrue, 1, 1},
    {"display=\\s Command11", "\\s", kTrue, 1, 1},
    {"display=1.2.3 Command11", "1.2.3", kTrue, 1, 1},
    {"display=1E+400 Command11", "1E+400", kTrue, 1, 1},
    {"display=\\s Command11 Command4", "4", kFalse, 1, 1},
    // Cancel writes one space, focuses the display and keeps the pending operation.
    {"Command5 cmdc", "\\s", kFalse, 1, 0},
    {"Command7 cmdadd Command5 cmdequal cmdc Command7", "7", kFalse, 1, 0},
    {"Command7 cmdc Command7", "\\s7", kFalse, 1, 0},
    {"Command5 cmdadd cmdc Command3 cmdequal", "3", kTrue, 1, 0},
    {"Command5 cmdmul cmdc Command3 cmdequal", "0", kTrue, 1, 0},
    {"Command5 cmdadd Command3 cmdc Command4 cmdequal", "4", kTrue, 1, 0},
};

INSTANTIATE_TEST_SUITE_P(Keys, Entry, ::testing::ValuesIn(kEntries), NameByKeys());

// The sign change keeps the number read in `firstnum`, so it replaces a pending first operand.
TEST(SignChange, ReplacesThePendingFirstOperand) {
    KeyPlayer player;
    EXPECT_EQ(player.play("Command5 cmdadd Command3 Command11"), "-3");
    EXPECT_EQ(player.state().firstnum, 3);
    EXPECT_EQ(player.play("cmdequal"), "0");
}

TEST(SignChange, KeepsFirstnumWhenItFails) {
    KeyPlayer player;
    player.play("Command7 cmdadd Command11");
    EXPECT_EQ(player.state().firstnum, 7);
    ASSERT_EQ(player.window.messages.size(), 1U);
    EXPECT_EQ(player.window.messages.front(), "The display does not hold a number.");
}

TEST(Cancel, KeepsTheRegistersOfThePendingOperation) {
    KeyPlayer player;
    player.play("Command7 cmdsub Command2 cmdequal cmdc");
    EXPECT_EQ(player.state().operation, "-");
    EXPECT_EQ(player.state().secondnum, 2);
    EXPECT_EQ(player.state().firstnum, 0);
    EXPECT_EQ(player.state().startnew, kTrue);
}

// Every row of the key filter: the code it returns, and what the display and registers show.
struct FilterCase {
    const char* name;
    std::int16_t code;
    std::int16_t returned;
    const char* display;  // after "5" entered by key
    const char* operation;
};

class KeyFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(KeyFilter, RunsTheOperationAndReturnsTheCode) {
    const FilterCase& c = GetParam();
    KeyPlayer player;
    player.play("Command5");
    std::int16_t code = c.code;
    player.engine.txtinsert_KeyPress(code);
    EXPECT_EQ(code, c.returned);
    EXPECT_EQ(player.window.display, WithSpaces(c.display));
    EXPECT_EQ(player.state().operation, c.operation);
}

// clang-format off
const FilterCase kFilterRows[] = {
    {"Plus",       '+',                  0,                    "\\s", "+"},
    {"Minus",      '-',                  0,                    "\\s", "-"},
    {"Slash",      '/',                  0,                    "\\s", "/"},
    {"Star",       '*',                  0,                    "\\s", "*"},
    {"Percent",    '%',                  0,                    "\\s", "%"},
    // Enter evaluates and still reaches the field.
    {"Enter",      charcode::kEnter,     charcode::kEnter,     "5",  ""},
    {"Backspace",  charcode::kBackspace, charcode::kBackspace, "5",  ""},
    {"Point",      '.',                  '.',                  "5",  ""},
    {"Digit0",     '0',                  '0',                  "5",  ""},
    {"Digit9",     '9',                  '9',                  "5",  ""},
    {"EqualsSign", '=',                  0,                    "5",  ""},
    {"LowerE",     'e',                  0,                    "5",  ""},
    {"UpperE",     'E',                  0,                    "5",  ""},
    {"LowerA",     'a',                  0,                    "5",  ""},
    {"Space",      ' ',                  0,                    "5",  ""},
    {"Comma",      ',',                  0,                    "5",  ""},
    {"Caret",      '^',                  0,                    "5",  ""},
    {"OpenParen",  '(',                  0,                    "5",  ""},
    {"Nul",        0,                    0,                    "5",  ""},
    {"Escape",     charcode::kEscape,    0,                    "5",  ""},
    {"LineFeed",   10,                   0,                    "5",  ""},
    {"Tab",        9,                    0,                    "5",  ""},
    {"Delete",     127,                  0,                    "5",  ""},
    {"EuroSign",   0x20AC,               0,                    "5",  ""},  // beyond ASCII
    {"MinusOne",   -1,                   0,                    "5",  ""},
    {"Minus32768", -32768,               0,                    "5",  ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Codes, KeyFilter, ::testing::ValuesIn(kFilterRows),
                         [](const auto& row) { return std::string(row.param.name); });

// Typed sequences, with the field's own editing of the codes that pass the filter.
const EntryCase kTyped[] = {
    {"key:7 key:+ key:5 key:Enter", "12", kTrue, 0, 0},
    {"key:7 key:- key:5 key:Enter key:Enter", "5", kTrue, 0, 0},
    {"key:7 key:* key:6 key:Enter", "42", kTrue, 0, 0},
    {"key:7 key:/ key:2 key:Enter", "3.5", kTrue, 0, 0},
    {"key:7 key:% key:2 key:Enter", "1", kTrue, 0, 0},
    {"key:7 key:+ key:+ key:2 key:Enter", "9", kTrue, 1, 0},
    {"key:1 key:2 key:= key:a key:e key:,", "12", kFalse, 0, 0},
    {"key:1 key:. key:5 key:Backspace", "1.", kFalse, 0, 0},
    {"key:7 key:+ key:5 key:Enter key:5", "125", kTrue, 0, 0},
    {"key:7 key:+ key:5 key:Enter key:5 Command3", "3", kFalse, 0, 0},
    {"key:- key:5", "5", kFalse, 1, 0},
};

INSTANTIATE_TEST_SUITE_P(Typed, Entry, ::testing::ValuesIn(kTyped), NameByKeys());

}  // namespace
}  // namespace tallomat::testing
