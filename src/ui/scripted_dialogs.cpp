// Dialogs answered from a script.
#include "ui/scripted_dialogs.h"

#include <QStringList>

namespace quobbles::ui {

Answer ScriptedDialogs::message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                                bool systemModal) {
  asked.push_back({AskedDialog::Kind::kMessage, text, title, buttons, icon, systemModal, {}});
  if (buttons == Buttons::kOk) return Answer::kOk;
  if (answers.empty()) {
    ++unanswered;
    return Answer::kCancel;
  }
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
  asked.push_back({AskedDialog::Kind::kInput, prompt, title, Buttons::kOk, Icon::kNone, false, defaultText});
  if (inputs.empty()) {
    ++unanswered;
    return {};
  }
  const QString a = inputs.front();
  inputs.pop_front();
  return a;
}

QString ScriptedDialogs::openFile(const QString& filter, const QString& initialFolder) {
  asked.push_back(
      {AskedDialog::Kind::kOpenFile, filter, initialFolder, Buttons::kOk, Icon::kNone, false, {}});
  if (files.empty()) {
    ++unanswered;
    return {};
  }
  const QString a = files.front();
  files.pop_front();
  return a;
}

QStringList ScriptedDialogs::messages() const {
  QStringList out;
  for (const AskedDialog& d : asked)
    if (d.kind == AskedDialog::Kind::kMessage) out << d.text;
  return out;
}

}  // namespace quobbles::ui
