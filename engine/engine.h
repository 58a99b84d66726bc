#pragma once

// How the engine fits together:
//   FormState (form_state.h)        the registers and flags of one calculation
//   runtime services                number texts, rounding, math and the decimal value; each either
//     (runtime_services.h,          returns its value or fails with a FailureKind (failure.h)
//      decimal.h, float_status.h)
//   Engine (this file)              one member per control event, grouped by source file; each
//                                   operation with an error trap catches failures in exactly one
//                                   place, its recovery
//   WindowServices                  how the engine reads and writes the window: display, indicator,
//     (window_services.h)           angle unit, key captions, focus, message box

#include <cstdint>
#include <string_view>

#include "failure.h"
#include "form_state.h"
#include "window_services.h"

namespace tallomat {

// The operation codes stored in `operation` and compared, as exact text, by "=".
namespace opcode {
inline constexpr std::string_view kAdd = "+";
inline constexpr std::string_view kSubtract = "-";
inline constexpr std::string_view kMultiply = "*";
inline constexpr std::string_view kDivide = "/";
inline constexpr std::string_view kModulus = "%";
inline constexpr std::string_view kPower = "x^n";
inline constexpr std::string_view kRound = "Round";
}  // namespace opcode

// The refusal text of the tangent in degrees: 27 characters, the last one a space.
inline constexpr std::string_view kInvalidInputText = "Invalid input for function ";

// The calculation engine: the event procedures of the window's controls, over one FormState.
class Engine {
  public:
    explicit Engine(WindowServices& window) : window_(window) {}

    const FormState& state() const { return state_; }

    // The window's load (form.cpp).
    void Form_Load();

    // Number entry and editing (entry.cpp). A digit key receives its group index, which is not
    // its digit: "1" has 0, ..., "9" has 8, "0" has 9.
    void Command1_Click(std::int16_t index);   // "1"
    void Command2_Click(std::int16_t index);   // "2"
    void Command3_Click(std::int16_t index);   // "3"
    void Command4_Click(std::int16_t index);   // "4"
    void Command5_Click(std::int16_t index);   // "5"
    void Command6_Click(std::int16_t index);   // "6"
    void Command7_Click(std::int16_t index);   // "7"
    void Command8_Click(std::int16_t index);   // "8"
    void Command9_Click(std::int16_t index);   // "9"
    void Command10_Click(std::int16_t index);  // "0"
    void Cmdpoint_Click();                     // "."
    void cmdback_Click();                      // "Backspace": cuts the display's last character
    void Command11_Click();                    // "+/-": the sign change
    void cmdc_Click();                         // "C": Cancel, the display becomes one space
    // The display's key filter: may replace the character code; 0 on return discards it.
    void txtinsert_KeyPress(std::int16_t& keyAscii);

    // Binary operations and evaluation (binary_operations.cpp).
    void cmdadd_Click();
    void cmdsub_Click();
    void cmdmul_Click();
    void cmddiv_Click();
    void cmdmod_Click();    // "%": remainder of the whole-number division
    void cmdpower_Click();  // "x^n"
    void cmdround_Click();  // "Round": the first number to as many decimals as the second says
    void cmdequal_Click();

    // Single-operand functions (functions.cpp).
    void cmdsquare_Click();
    void cmdcube_Click();
    void cmdsqrt_Click();
    void cmdcuberoot_Click();
    void cmddivide_Click();     // "1/x": the reciprocal, not the division
    void cmdfactorial_Click();  // "x !"
    void cmdint_Click();        // "Int": the greatest whole number not above the argument
    void cmdexp_Click();        // "Exp": e to the power of the argument
    void cmdln_Click();
    void cmdlog_Click();
    void cmdpi_Click();

    // Trigonometry in degrees or radians (trigonometry.cpp).
    void cmdsin_Click();
    void cmdcos_Click();
    void cmdtan_Click();

    // The memory register (memory.cpp).
    void mstore_Click();   // "MS"
    void mrecall_Click();  // "MR"
    void mplus_Click();    // "M+"
    void mclear_Click();   // "MC"

  private:
    // Runs `steps` under an error trap: a failure abandons the remaining steps, keeps every store
    // already made, and runs `recovery` with the failure.
    template <class Steps, class Recovery>
    void trapped(Steps&& steps, Recovery&& recovery) {
        try {
            steps();
        } catch (const Failure& failure) {
            recovery(failure);
        }
    }

    // The recovery of every trapped operation but the sign change: give the display the focus.
    template <class Steps>
    void trapped(Steps&& steps) {
        trapped(steps, [this](const Failure&) { window_.focusDisplay(); });
    }

    // The shared steps of the digit and point keys, given the caption that the key appends.
    template <class ReadCaption>
    void appendKeyCaption(ReadCaption&& readCaption);
    void appendDigitCaption(std::int16_t index);

    // The shared steps of the seven operator keys.
    void storeOperator(std::string_view code);

    // Degree-mode and radian-mode trigonometry share these steps: `function` is sine, cosine or
    // tangent, `decimals` the rounding of a degree-mode result, and `refusesPoles` the tangent's
    // refusal of odd multiples of 90 degrees.
    using MathFunction = double (*)(double);
    void trigonometric(MathFunction function, int decimals, bool refusesPoles);

    // The shared steps of the single-operand functions that read the display strictly.
    template <class Compute>
    void singleOperand(Compute&& compute);

    FormState state_;
    WindowServices& window_;
};

}  // namespace tallomat
