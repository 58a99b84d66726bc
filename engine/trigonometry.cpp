// Sine, cosine and tangent. In degrees the angle is converted with `pivalue`, the converted angle
// and the result are cut to 15 significant digits and the result is rounded to a fixed number of
// decimals, so the special angles come out exact (30 sin shows "0.5"). In radians the raw result
// is shown.
#include <cmath>

#include "decimal.h"
#include "engine.h"
#include "float_status.h"
#include "runtime_services.h"

namespace tallomat {
namespace {

// The angles in degrees at which the tangent is undefined: ..., -90, 90, 270, 450, ...
bool isOddMultipleOfRightAngle(double degrees) {
    return std::fabs(std::fmod(degrees, 180.0)) == 90.0;
}

}  // namespace

void Engine::trigonometric(MathFunction function, int decimals, bool refusesPoles) {
    state_.startnew = kTrue;
    trapped([&] {
        state_.firstnum = ToNumber(window_.displayText());
        if (!window_.isDegreeSelected()) {
            window_.setDisplayText(ToText(function(state_.firstnum)));
            return;
        }
        if (refusesPoles && isOddMultipleOfRightAngle(state_.firstnum)) {
            window_.setDisplayText(kInvalidInputText);  // a result, not a failure
            return;
        }
        const ArithmeticStep perDegree = Divide(state_.pivalue, 180.0);
        const ArithmeticStep radians = Multiply(perDegree.result, state_.firstnum);
        StatusCheck({radians.result, perDegree.flags | radians.flags});
        state_.firstnum = DecimalToNumber(ToDecimal(radians.result));
        const double y = function(state_.firstnum);
        window_.setDisplayText(DecimalToText(RoundTo(ToDecimal(y), decimals)));
    });
}

void Engine::cmdsin_Click() {
    trigonometric(Sin, 8, false);
}
void Engine::cmdcos_Click() {
    trigonometric(Cos, 9, false);
}
void Engine::cmdtan_Click() {
    trigonometric(Tan, 9, true);
}

}  // namespace tallomat
