// The navigator in use.
#include "ui/navigation.h"

#include <cstdio>
#include <cstdlib>

namespace quobbles::ui {

namespace {
Navigation* current = nullptr;
}

Navigation& navigation() {
  if (current == nullptr) {
    std::fprintf(stderr, "quobbles: no navigator is installed\n");
    std::abort();
  }
  return *current;
}

void setNavigation(Navigation* navigator) {
  current = navigator;
}

void helpWindowKey(QWidget* window, int16_t key) {
  if (key == 32)
    navigation().closeWindow(window);
  else
    navigation().boardKey(key);
}

}  // namespace quobbles::ui
