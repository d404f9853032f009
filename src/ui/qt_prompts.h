// The game's prompts shown with Qt's message box, input dialog and file dialog, and the prompts
// in use: Qt's own unless a test has put a script in place.
#pragma once

#include <QPointer>
#include <QWidget>

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

// While it lives, Qt's dialogs belong to `owner`: they stand over it and block it. Without one
// they belong to the active window, which may be a note that closes (and takes its dialogs
// with it) as soon as the dialog takes the focus.
class DialogOwner {
 public:
  explicit DialogOwner(QWidget* owner);
  ~DialogOwner();
  DialogOwner(const DialogOwner&) = delete;
  DialogOwner& operator=(const DialogOwner&) = delete;

 private:
  QPointer<QWidget> previous_;
};

}  // namespace quobbles::ui
