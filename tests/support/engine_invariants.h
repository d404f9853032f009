// The ranges the game's state must stay in whatever keys are pressed: for the limit tests and
// the engine's fuzz target.
#pragma once

#include <string>

#include "board/session.h"
#include "sim/dump.h"

namespace quobbles::testing {

// Empty when every invariant holds, else what is broken.
std::string brokenInvariant(const Session& s);

}  // namespace quobbles::testing
