// The game's version as the build hands it over.
#include "state/version.h"

#ifndef QUOBBLES_VERSION
#error "QUOBBLES_VERSION is given by the build, from the project's version"
#endif

namespace quobbles {

const char* gameVersion() {
  return QUOBBLES_VERSION;
}

}  // namespace quobbles
