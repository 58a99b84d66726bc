// The window's load.
#include "engine.h"

namespace tallomat {

void Engine::Form_Load() {
    state_.startnew = kFalse;
    window_.selectDegree();
    state_.pivalue = kPiValue;
}

}  // namespace tallomat
