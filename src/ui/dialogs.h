// Message boxes, input boxes and the file dialog behind one small interface: the windows ask
// through dialogs(), the game answers with Qt's dialogs, and tests answer from a script.
#pragma once

#include <QString>

namespace quobbles::ui {

enum class Buttons { kOk, kYesNo, kYesNoCancel };
enum class Icon { kNone, kInformation, kQuestion, kExclamation, kCritical };
enum class Answer { kOk, kYes, kNo, kCancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; systemModal keeps it in front of every window.
  virtual Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                         bool systemModal = false) = 0;
  // A modal text-entry box; Cancel gives the empty text.
  virtual QString input(const QString& prompt, const QString& title, const QString& defaultText) = 0;
  // A file-open dialog; returns the chosen file's full path, or the empty text on Cancel.
  virtual QString openFile(const QString& filter, const QString& initialFolder) = 0;
};

// The dialogs in use: Qt's own unless a test has put its script in place.
Dialogs& dialogs();
// Replaces the dialogs in use (nullptr restores Qt's). The caller keeps ownership.
void setDialogs(Dialogs* replacement);

// Shorthand for the common OK box.
inline void showMessage(const QString& text, const QString& title, Icon icon = Icon::kNone,
                        bool systemModal = false) {
  dialogs().message(text, title, Buttons::kOk, icon, systemModal);
}

}  // namespace quobbles::ui
