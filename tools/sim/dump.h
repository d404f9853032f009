// A session's whole observable state as text: play state, positions, board variables, controls,
// the view, the map and the state grid. quobbles-sim prints it; tests compare it.
#pragma once

#include <string>

#include "board/session.h"

namespace quobbles::sim {

std::string dump(const Session& s);

}  // namespace quobbles::sim
