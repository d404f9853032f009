// Qt's message box, input dialog and file dialog behind the game's prompts.
#include "ui/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>

namespace quobbles::ui {

namespace {

QtPrompts qtPrompts;
Prompts* current = nullptr;
QPointer<QWidget> dialogOwner;

QWidget* dialogParent() {
  if (dialogOwner && dialogOwner->isVisible()) return dialogOwner->window();
  return QApplication::activeWindow();
}

QString qt(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

Prompts& prompts() {
  return current ? *current : qtPrompts;
}
void setPrompts(Prompts* replacement) {
  current = replacement;
}

DialogOwner::DialogOwner(QWidget* owner) : previous_(dialogOwner) {
  dialogOwner = owner;
}
DialogOwner::~DialogOwner() {
  dialogOwner = previous_;
}

Answer QtPrompts::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                          bool systemModal) {
  QMessageBox box(dialogParent());
  box.setText(qt(text));
  box.setWindowTitle(qt(title));
  switch (icon) {
    case Icon::kNone:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::kQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case Icon::kExclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::kCritical:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  switch (buttons) {
    case Buttons::kOk:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::kYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  box.setWindowModality(systemModal ? Qt::ApplicationModal : Qt::WindowModal);
  if (systemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    default:
      return buttons == Buttons::kOk ? Answer::kOk : Answer::kCancel;
  }
}

std::string QtPrompts::input(const std::string& prompt, const std::string& title,
                             const std::string& defaultText) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(dialogParent(), qt(title), qt(prompt), QLineEdit::Normal, qt(defaultText), &ok);
  return ok ? text.toStdString() : std::string();
}

std::string QtPrompts::inputAtMost(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText, std::size_t maxLength) {
  QInputDialog box(dialogParent());
  box.setWindowTitle(qt(title));
  box.setLabelText(qt(prompt));
  box.setInputMode(QInputDialog::TextInput);
  box.setTextValue(qt(defaultText));
  if (auto* edit = box.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
    edit->setMaxLength(static_cast<int>(std::min<std::size_t>(maxLength, 32767)));
  if (box.exec() != QDialog::Accepted) return {};
  return box.textValue().left(static_cast<qsizetype>(maxLength)).toStdString();
}

std::string QtPrompts::openFile(const std::string& filter, const std::string& initialFolder) {
  return QFileDialog::getOpenFileName(dialogParent(), QString(), qt(initialFolder), qt(filter)).toStdString();
}

}  // namespace quobbles::ui
