// Prompts answered from a script, for tests: every question is recorded, and the answers are
// taken in order from the queues. A question with no answer left gets Cancel (or the empty text).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "state/prompts.h"

namespace quobbles::testing {

struct Asked {
  enum class Kind { kMessage, kInput, kOpenFile } kind = Kind::kMessage;
  std::string text;   // message text, input prompt, or file filter
  std::string title;  // title, or the initial folder of a file dialog
  Buttons buttons = Buttons::kOk;
  Icon icon = Icon::kNone;
  bool systemModal = false;
  std::string defaultText;
  std::size_t maxLength = 0;  // of an input box that limits its typing; 0 for one that does not
};

class ScriptedPrompts : public Prompts {
 public:
  std::deque<Answer> answers;      // for message boxes with more than an OK button
  std::deque<std::string> inputs;  // for input boxes
  std::deque<std::string> files;   // for the file dialog
  std::vector<Asked> asked;

  Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                 bool systemModal) override;
  std::string input(const std::string& prompt, const std::string& title,
                    const std::string& defaultText) override;
  // Recorded with its limit; the scripted answer is cut to it, as the box would have cut the typing.
  std::string inputAtMost(const std::string& prompt, const std::string& title, const std::string& defaultText,
                          std::size_t maxLength) override;
  std::string openFile(const std::string& filter, const std::string& initialFolder) override;

  // The texts of the message boxes shown so far.
  std::vector<std::string> messages() const;
};

}  // namespace quobbles::testing
