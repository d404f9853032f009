// The game's dialogs, shown with Qt.
#pragma once

#include "ui/dialogs.h"

namespace quobbles::ui {

class QtDialogs : public Dialogs {
 public:
  Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                 bool systemModal) override;
  QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
  QString openFile(const QString& filter, const QString& initialFolder) override;
};

}  // namespace quobbles::ui
