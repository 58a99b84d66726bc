#pragma once

#include <cstdint>
#include <string>

namespace tallomat {

// The state's Booleans are 16-bit values: True is -1, False is 0.
using Boolean16 = std::int16_t;
inline constexpr Boolean16 kTrue = -1;
inline constexpr Boolean16 kFalse = 0;

// Pi cut after fourteen decimals: the float nearest to 3.14159265358979 (bits 0x400921FB54442D11),
// seven units in the last place below the float nearest to pi. Every use of pi sees this value.
inline constexpr double kPiValue = 3.14159265358979;

// The registers and flags of one calculation, shared by every operation; all zero at creation.
//
// How they move through 7 + 5 = = with the mouse:
//
//   key  display  firstnum  secondnum  operation  resultnum  startnew
//   7    "7"      0         0          ""         0          False
//   +    " "      7         0          "+"        0          False
//   5    " 5"     7         0          "+"        0          False
//   =    "12"     7         5          "+"        12         True
//   =    "19"     7         12         "+"        19         True
//
// The engine tests replay these rows.
struct FormState {
    double firstnum = 0;    // first operand; also the working register of functions and sign change
    double secondnum = 0;   // second operand, read by every "="
    std::string operation;  // pending operation code: "+", "-", "*", "/", "%", "x^n" or "Round"
    double memnum = 0;      // the memory register
    Boolean16 startnew = kFalse;  // the display holds a finished value: the next digit replaces it
    double factnum = 0;           // running product of the factorial
    double resultnum = 0;         // result of the last "="
    double pivalue = 0;           // kPiValue once the window has loaded
};

}  // namespace tallomat
