// The game's prompts shown with Qt's message box, input dialog and file dialog, and the prompts
// in use: Qt's own unless a test has put a script in place.
#pragma once

#include "state/prompts.h"

namespace quobbles::ui {

class QtPrompts : public Prompts {
 public:
  Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                 bool systemModal) override;
  std::string input(const std::string& prompt, const std::string& title,
                    const std::string& defaultText) override;
  // The box's line edit holds at most maxLength characters, so typing past it costs nothing.
  std::string inputAtMost(const std::string& prompt, const std::string& title, const std::string& defaultText,
                          std::size_t maxLength) override;
  std::string openFile(const std::string& filter, const std::string& initialFolder) override;
};

// The prompts the windows ask through.
Prompts& prompts();
// Replaces the prompts in use (nullptr restores Qt's). The caller keeps ownership.
void setPrompts(Prompts* replacement);

}  // namespace quobbles::ui
