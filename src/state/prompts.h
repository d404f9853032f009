// How the rules ask the user: message boxes, text-entry boxes and the file dialog, with texts in
// UTF-8. The game answers with Qt's dialogs (ui/qt_prompts.h); tests answer from a script.
#pragma once

#include <cstddef>
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
  // A text-entry box that takes at most maxLength characters; an answer longer than that (from
  // a box that cannot limit its typing) is cut to maxLength characters.
  virtual std::string inputAtMost(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText, std::size_t maxLength) {
    std::string answer = input(prompt, title, defaultText);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < answer.size(); ++i) {
      if ((static_cast<unsigned char>(answer[i]) & 0xC0) == 0x80) continue;  // inside a UTF-8 character
      if (++characters > maxLength) {
        answer.resize(i);
        break;
      }
    }
    return answer;
  }
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
