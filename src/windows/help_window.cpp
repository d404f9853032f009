// The help text (Form5).
#include "windows/help_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include "frontend/help_text.h"
#include "ui/caption_label.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

HelpWindow::HelpWindow() {
  ui::setUpWindow(this, QStringLiteral("Quobbles - Help"), 4095, 4215, QColor(64, 64, 0));
  setWindowFlag(Qt::Tool);

  Text1_ = new QPlainTextEdit(this);
  Text1_->setObjectName(QStringLiteral("Text1"));
  Text1_->setGeometry(ui::twipsRect(240, 240, 3615, 3735));
  Text1_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 9.75, true));
  Text1_->document()->setDocumentMargin(2);
  QPalette tp = Text1_->palette();
  tp.setColor(QPalette::Base, Qt::black);
  tp.setColor(QPalette::Text, QColor(255, 255, 0));
  Text1_->setPalette(tp);
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // The text keeps its CR LF line ends; the box shows each as one line break.
  Text1_->setPlainText(
      QString::fromStdString(helpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  Text1_->setReadOnly(true);
  Text1_->installEventFilter(this);
  Text1_->setFocus();
}

bool HelpWindow::Form_KeyPress(int16_t KeyAscii) {
  if (KeyAscii == 0) return false;
  ui::helpWindowKey(this, KeyAscii);
  return true;
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (!Form_KeyPress(ui::playKeyCode(event))) QWidget::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // The window sees the keys before its text box: the game's keys (characters, the arrows,
  // Backspace and the Ctrl keys) belong to the board; Page Up, Page Down, Home and End scroll.
  if (watched == Text1_ && event->type() == QEvent::KeyPress)
    return Form_KeyPress(ui::playKeyCode(static_cast<QKeyEvent*>(event)));
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
  // The close box is Space.
  event->ignore();
  Form_KeyPress(' ');
}

}  // namespace quobbles
