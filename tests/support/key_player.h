#pragma once

#include <string>
#include <string_view>

#include "engine.h"
#include "fake_window.h"

namespace tallomat::testing {

// Plays key sequences against a fresh, loaded engine with a fake window. Tokens are separated by
// spaces:
//   a control name     a click of that key: "Command7", "cmdadd", "Cmdpoint", "mstore", ...
//   optiondegree       selects the angle unit; optionrad likewise
//   key:C              a character typed into the display through the key filter ("key:+",
//                      "key:5", "key:Enter", "key:Backspace", "key:a"); a code that the filter
//                      lets through is inserted at the end of the display, as the field does
//   display=TEXT       sets the display text directly; "\s" stands for a space
// An unknown token throws std::invalid_argument, which fails the test that plays it.
class KeyPlayer {
  public:
    KeyPlayer() { engine.Form_Load(); }

    // Plays the tokens and returns the display text afterwards.
    std::string play(std::string_view keys);

    FakeWindow window;
    Engine engine{window};

    const FormState& state() const { return engine.state(); }

  private:
    void playToken(std::string_view token);
};

// The text of a display written with "\s" for each space, as test tables write it.
std::string WithSpaces(std::string_view text);

// Whether two registers hold the same number: any NaN matches a NaN, and 0 differs from -0.
bool SameNumber(double a, double b);

// A GoogleTest parameter name for a test case's text: letters and digits only, with the signs
// spelled out ("display=-5 cmdadd" gives "displayIsMinus5Cmdadd").
std::string CaseName(std::string_view text);

// Names a parameterised case by its `keys` member.
struct NameByKeys {
    template <class Info>
    std::string operator()(const Info& info) const {
        return CaseName(info.param.keys);
    }
};

}  // namespace tallomat::testing
