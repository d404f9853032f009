// Dialogs answered from a script, for tests: every question is recorded, and the answers
// are taken in order from the queues. A question with no answer left gets Cancel (or the
// empty text) and is counted as unanswered, so a test can tell it was not expected.
#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/dialogs.h"

namespace quobbles::ui {

struct AskedDialog {
  enum class Kind { kMessage, kInput, kOpenFile } kind = Kind::kMessage;
  QString text;   // message text, input prompt, or file filter
  QString title;  // title, or the initial folder of a file dialog
  Buttons buttons = Buttons::kOk;
  Icon icon = Icon::kNone;
  bool systemModal = false;
  QString defaultText;
};

class ScriptedDialogs : public Dialogs {
 public:
  std::deque<Answer> answers;  // for message boxes with more than an OK button
  std::deque<QString> inputs;  // for input boxes
  std::deque<QString> files;   // for the file dialog
  std::vector<AskedDialog> asked;
  int unanswered = 0;

  Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                 bool systemModal) override;
  QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
  QString openFile(const QString& filter, const QString& initialFolder) override;

  // The texts of the message boxes shown so far.
  QStringList messages() const;
};

// Puts a script in place for the lifetime of this object.
class ScriptedDialogsScope {
 public:
  ScriptedDialogsScope() { setDialogs(&script); }
  ~ScriptedDialogsScope() { setDialogs(nullptr); }
  ScriptedDialogsScope(const ScriptedDialogsScope&) = delete;
  ScriptedDialogsScope& operator=(const ScriptedDialogsScope&) = delete;
  ScriptedDialogs script;
};

}  // namespace quobbles::ui
