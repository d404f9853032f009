// Qt's message box, input dialog and file dialog behind the game's dialog interface.
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace quobbles::ui {

namespace {

QtDialogs qtDialogs;
Dialogs* current = nullptr;

QWidget* dialogParent() {
  return QApplication::activeWindow();
}

}  // namespace

Dialogs& dialogs() {
  return current ? *current : qtDialogs;
}
void setDialogs(Dialogs* replacement) {
  current = replacement;
}

Answer QtDialogs::message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                          bool systemModal) {
  QMessageBox box(dialogParent());
  box.setText(text);
  box.setWindowTitle(title);
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

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Normal, defaultText, &ok);
  return ok ? text : QString();
}

QString QtDialogs::openFile(const QString& filter, const QString& initialFolder) {
  return QFileDialog::getOpenFileName(dialogParent(), QString(), initialFolder, filter);
}

}  // namespace quobbles::ui
