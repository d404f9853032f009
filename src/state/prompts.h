// How the rules ask the user: message boxes, text-entry boxes and the file dialog, with texts in
// UTF-8. The game answers with Qt's dialogs (ui/qt_prompts.h); tests answer from a script.
#pragma once

#include <string>

namespace quobbles {

enum class Buttons { kOk, kYesNo, kYesNoCancel };
enum class Icon { kNone, kInformation, kQuestion, kExclamation, kCritical };
enum class Answer { kOk, kYes, kNo, kCancel };

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A modal message box; systemModal keeps it in front of every window.
  virtual Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                         bool systemModal = false) = 0;
  // A modal text-entry box; Cancel gives the empty text.
  virtual std::string input(const std::string& prompt, const std::string& title,
                            const std::string& defaultText = {}) = 0;
  // A file-open dialog; the chosen file's full path, or the empty text on Cancel.
  virtual std::string openFile(const std::string& filter, const std::string& initialFolder) = 0;

  // A message with only an OK button.
  void tell(const std::string& text, const std::string& title, Icon icon = Icon::kNone,
            bool systemModal = false) {
    message(text, title, Buttons::kOk, icon, systemModal);
  }
  // A Yes/No question; true for Yes.
  bool askYesNo(const std::string& text, const std::string& title, bool systemModal = false) {
    return message(text, title, Buttons::kYesNo, Icon::kQuestion, systemModal) == Answer::kYes;
  }
};

}  // namespace quobbles
