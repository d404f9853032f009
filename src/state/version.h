// The game's version, written in one place: the project's version in the top-level CMakeLists.txt.
#pragma once

namespace quobbles {

const char* gameVersion();

}  // namespace quobbles
