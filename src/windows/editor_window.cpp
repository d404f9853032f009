// The level editor (Form2).
#include "windows/editor_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "board/session.h"
#include "editor/editor_numbers.h"
#include "editor/palette.h"
#include "state/file_names.h"
#include "state/text_codec.h"
#include "state/tiles.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/picture_store.h"
#include "ui/qt_prompts.h"
#include "ui/window_setup.h"

namespace quobbles {

// ---------------------------------------------------------------------------------------------
// Layout (pixels) and looks
// ---------------------------------------------------------------------------------------------

namespace {

constexpr int kSquare = 40;      // a view square
constexpr int kEntry = 24;       // a palette entry
constexpr int kEntryPitch = 28;  // palette entries are 4 pixels apart
constexpr int kMaxCodeLength = 12;
constexpr int kUndoWidth = 80;  // the undo and redo buttons

constexpr QPoint kViewOrigin(14, 30);
constexpr int kViewSize = editor::kEditorViewSide * kSquare;
constexpr int kRightColumn = kViewOrigin.x() + kViewSize + 36;
constexpr QPoint kPaletteOrigin(kRightColumn + 10, kViewOrigin.y() + 10);
constexpr int kPaletteWidth = 9 * kEntryPitch + 16;
constexpr int kPaletteHeight = 6 * kEntryPitch + 16;
constexpr int kAsideLeft = kRightColumn + kPaletteWidth + 12;
constexpr int kAsideWidth = 96;
constexpr int kWindowWidth = kAsideLeft + kAsideWidth + 14;
constexpr int kFieldsTop = kViewOrigin.y() + kPaletteHeight + 14;
constexpr int kWindowHeight = 534;

const QColor kWindowColour(0x24, 0x29, 0x33);
const QColor kPanelColour(0x16, 0x1a, 0x21);
const QColor kPanelBorder(0x44, 0x4d, 0x5e);
const QColor kTextColour(0xdf, 0xe4, 0xec);
const QColor kDimTextColour(0x9a, 0xa4, 0xb5);
const QColor kCursorColour(0xff, 0xd7, 0x5e);

QPalette darkPalette() {
  QPalette p;
  p.setColor(QPalette::Window, kWindowColour);
  p.setColor(QPalette::WindowText, kTextColour);
  p.setColor(QPalette::Base, QColor(0x12, 0x15, 0x1b));
  p.setColor(QPalette::AlternateBase, kPanelColour);
  p.setColor(QPalette::Text, QColor(0xf4, 0xf6, 0xfa));
  p.setColor(QPalette::Button, QColor(0x3a, 0x43, 0x56));
  p.setColor(QPalette::ButtonText, QColor(0xee, 0xf1, 0xf6));
  p.setColor(QPalette::Highlight, QColor(0x3d, 0x7b, 0xd9));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, QColor(0x58, 0x63, 0x78));
  p.setColor(QPalette::Midlight, QColor(0x4a, 0x54, 0x68));
  p.setColor(QPalette::Mid, QColor(0x30, 0x37, 0x45));
  p.setColor(QPalette::Dark, QColor(0x14, 0x17, 0x1d));
  p.setColor(QPalette::Shadow, Qt::black);
  p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xe1));
  p.setColor(QPalette::ToolTipText, Qt::black);
  // A button that cannot act (undo with nothing to undo) looks it.
  p.setColor(QPalette::Disabled, QPalette::Button, QColor(0x2c, 0x32, 0x3e));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6c, 0x75, 0x86));
  return p;
}

// A dark panel with a thin border, drawn behind a group of controls.
QFrame* addPanel(QWidget* parent, const char* name, const QRect& rect) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setGeometry(rect);
  panel->setStyleSheet(
      QStringLiteral("QFrame#%1 { background: %2; border: 1px solid %3; border-radius: 6px; }")
          .arg(QString::fromLatin1(name), kPanelColour.name(), kPanelBorder.name()));
  panel->setAttribute(Qt::WA_TransparentForMouseEvents);
  panel->lower();
  return panel;
}

QLabel* addText(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(rect);
  label->setAlignment(align);
  return label;
}

void setLabelColour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

// The labyrinth tool's picture: a small maze with a way through it.
QPixmap labyrinthPicture(int size) {
  // clang-format off
  static const char* const kMaze[] = {
      "#########",
      "  #     #",
      "# # ### #",
      "#   #   #",
      "### # ###",
      "#   #   #",
      "# ##### #",
      "#     #  ",
      "#########",
  };
  // clang-format on
  QPixmap picture(size, size);
  picture.fill(QColor(0xe9, 0xdc, 0xb8));
  QPainter p(&picture);
  const double cell = static_cast<double>(size) / 9.0;
  for (int row = 0; row < 9; ++row)
    for (int column = 0; column < 9; ++column)
      if (kMaze[row][column] == '#')
        p.fillRect(QRectF(column * cell, row * cell, cell, cell), QColor(0x5b, 0x3a, 0x1e));
  // The way through, from the left opening to the right one.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(
      QPen(QColor(0xd2, 0x2b, 0x2b), std::max(1.0, cell * 0.35), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const auto at = [cell](double column, double row) {
    return QPointF((column + 0.5) * cell, (row + 0.5) * cell);
  };
  const QPointF way[] = {at(0, 1), at(1, 1), at(1, 3), at(3, 3), at(3, 1), at(7, 1),
                         at(7, 3), at(5, 3), at(5, 5), at(7, 5), at(7, 7), at(8, 7)};
  p.drawPolyline(way, static_cast<int>(std::size(way)));
  return picture;
}

bool leftButton(const QEvent* event) {
  return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Building the window
// ---------------------------------------------------------------------------------------------

EditorWindow::EditorWindow() {
  setWindowTitle(QStringLiteral("Quobble - Level editor: ''"));
  setFixedSize(kWindowWidth, kWindowHeight);
  setPalette(darkPalette());
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  shownPicture_.fill(-1);

  buildView();
  buildPalette();
  buildFields();
  buildCommands();

  // The window sees every key before the control that has the focus.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  // The keyboard belongs to the window, not to a text box, until the user clicks into one.
  setFocus(Qt::OtherFocusReason);
  Form_Load();
}

void EditorWindow::buildView() {
  Label1_ = addText(this, "Label1", QString(), QRect(kViewOrigin.x(), 8, 120, 18));
  QFont bold = Label1_->font();
  bold.setBold(true);
  Label1_->setFont(bold);
  setLabelColour(Label1_, kCursorColour);

  addPanel(this, "ViewFrame", QRect(kViewOrigin - QPoint(3, 3), QSize(kViewSize + 6, kViewSize + 6)));
  for (int k = 0; k < editor::kEditorViewCells; ++k) {
    auto* square = new QLabel(this);
    square->setObjectName(QStringLiteral("Ruutu%1").arg(k));
    square->setGeometry(kViewOrigin.x() + (k % 9) * kSquare, kViewOrigin.y() + (k / 9) * kSquare, kSquare,
                        kSquare);
    square->setScaledContents(true);  // every tile picture is stretched over its square
    square->setMouseTracking(true);
    Ruutu_[static_cast<std::size_t>(k)] = square;
  }

  VScroll1_ = new QScrollBar(Qt::Vertical, this);
  VScroll1_->setObjectName("VScroll1");
  VScroll1_->setGeometry(kViewOrigin.x() + kViewSize + 6, kViewOrigin.y() - 3, 17, kViewSize + 6);
  HScroll1_ = new QScrollBar(Qt::Horizontal, this);
  HScroll1_->setObjectName("HScroll1");
  HScroll1_->setGeometry(kViewOrigin.x() - 3, kViewOrigin.y() + kViewSize + 6, kViewSize + 6, 17);
  for (QScrollBar* bar : {HScroll1_, VScroll1_}) {
    bar->setRange(0, kMapSize - 1);
    bar->setSingleStep(1);
    bar->setPageStep(6);
    bar->setFocusPolicy(Qt::NoFocus);
  }
  connect(HScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
    sharedSession().game.PlayerPos.x = static_cast<uint8_t>(value);
    kartan_piirto();
  });
  connect(VScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
    sharedSession().game.PlayerPos.y = static_cast<uint8_t>(value);
    kartan_piirto();
  });

  const int belowView = kViewOrigin.y() + kViewSize + 30;
  auto* hint = addText(
      this, "Label2",
      QStringLiteral("Scroll map: 'w', 'a', 'd', 'x'\nDraw: Mouse1 OR Shift\nClear: DblClick"),
      QRect(kViewOrigin.x(), belowView, kViewSize - 2 * kUndoWidth - 12, 54), Qt::AlignLeft | Qt::AlignTop);
  setLabelColour(hint, kDimTextColour);

  // Undo and redo beside the hint, under the squares they act on.
  const auto addUndoButton = [this, belowView](const char* name, const char* caption, const char* tip,
                                               int slot) {
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(kViewOrigin.x() + kViewSize - (2 - slot) * kUndoWidth - (1 - slot) * 6, belowView,
                        kUndoWidth, 28);
    button->setToolTip(QString::fromLatin1(tip));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
  };
  undoButton_ = addUndoButton("Undo", "Undo", "Undo the last change (Ctrl+Z)", 0);
  redoButton_ = addUndoButton("Redo", "Redo", "Redo the change undone (Ctrl+Y or Ctrl+Shift+Z)", 1);
  connect(undoButton_, &QPushButton::clicked, this, [this] { Undo_Click(); });
  connect(redoButton_, &QPushButton::clicked, this, [this] { Redo_Click(); });
}

QLabel* EditorWindow::addPaletteEntry(QWidget* parent, int code, const char* caption, QPoint at) {
  auto* entry = new QLabel(parent);
  entry->setObjectName(QStringLiteral("Textuuri%1").arg(code));
  entry->setGeometry(QRect(at, QSize(kEntry, kEntry)));
  entry->setPixmap(
      ui::PictureStore::tile(code).scaled(kEntry, kEntry, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  entry->setToolTip(QString::fromLatin1(caption));
  entry->setCursor(Qt::PointingHandCursor);
  Textuuri_[code] = entry;
  return entry;
}

void EditorWindow::buildPalette() {
  const QRect paletteRect(kRightColumn, kViewOrigin.y(), kPaletteWidth, kPaletteHeight);
  addPanel(this, "PaletteFrame", paletteRect);
  const auto& rows = editor::paletteRows();
  for (std::size_t row = 0; row < rows.size(); ++row)
    for (std::size_t i = 0; i < rows[row].size(); ++i)
      addPaletteEntry(
          this, rows[row][i]->code, rows[row][i]->caption,
          kPaletteOrigin + QPoint(static_cast<int>(i) * kEntryPitch, static_cast<int>(row) * kEntryPitch));

  // Set apart beside the last rows: the labyrinth tool, and the candle in a frame of its own.
  Image1_ = new QLabel(this);
  Image1_->setObjectName("Image1");
  Image1_->setGeometry(kAsideLeft + (kAsideWidth - 40) / 2, kViewOrigin.y() + 4, 40, 40);
  Image1_->setPixmap(labyrinthPicture(40));
  Image1_->setToolTip(QStringLiteral("Labyrinth tool"));
  Image1_->setCursor(Qt::PointingHandCursor);
  Image1_->setFrameShape(QFrame::Box);

  const int candleFrameTop = kViewOrigin.y() + kPaletteHeight - 86;
  addPanel(this, "CandleFrame", QRect(kAsideLeft, candleFrameTop, kAsideWidth, 86));
  auto* warning = addText(this, "Label4", QStringLiteral("Don't use too much:"),
                          QRect(kAsideLeft + 6, candleFrameTop + 6, kAsideWidth - 12, 36), Qt::AlignCenter);
  warning->setWordWrap(true);
  QFont small = warning->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  warning->setFont(small);
  setLabelColour(warning, kDimTextColour);
  addPaletteEntry(this, editor::setApartTile().code, editor::setApartTile().caption,
                  QPoint(kAsideLeft + (kAsideWidth - kEntry) / 2, candleFrameTop + 48));

  Shape1_ = new QFrame(this);
  Shape1_->setObjectName("Shape1");
  Shape1_->setStyleSheet(
      QStringLiteral("QFrame#Shape1 { border: 2px solid white; background: transparent; }"));
  Shape1_->setAttribute(Qt::WA_TransparentForMouseEvents);
  Shape1_->resize(kEntry + 6, kEntry + 6);
  placeFrame();
}

void EditorWindow::buildFields() {
  const int labelWidth = 176, boxLeft = kRightColumn + labelWidth, boxWidth = kWindowWidth - 14 - boxLeft;
  addPanel(this, "FieldsFrame", QRect(kRightColumn, kFieldsTop, kWindowWidth - 14 - kRightColumn, 118));
  const int left = kRightColumn + 10;
  const char* const captions[2] = {"Name of level:", "EditCode (-32768 - 32767):"};
  for (int i = 0; i < 2; ++i) {
    const int top = kFieldsTop + 10 + i * 28;
    addText(this, i == 0 ? "Label5" : "Label6", QString::fromLatin1(captions[i]),
            QRect(left, top, labelWidth - 10, 22));
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text1_%1").arg(i));
    box->setGeometry(boxLeft, top, boxWidth - 10, 22);
    box->setMaxLength(i == 0 ? static_cast<int>(kMaxNameLength) : kMaxCodeLength);
    // Only a click gives a box the keyboard, so the view keys never type into a box by chance.
    box->setFocusPolicy(Qt::ClickFocus);
    Text1_[static_cast<std::size_t>(i)] = box;
    connect(box, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    // What was typed into the box since it took the keyboard is one step of the history.
    connect(box, &QLineEdit::editingFinished, this, [this] {
      editor::endChange(sharedSession().game, editor::sharedEditor());
      updateUndoButtons();
    });
  }

  const char* const extentCaptions[2] = {"Map width:", "Map height:"};
  for (int i = 0; i < 2; ++i) {
    const int top = kFieldsTop + 68 + i * 22;
    addText(this, i == 0 ? "Label7" : "Label8", QString::fromLatin1(extentCaptions[i]),
            QRect(left, top, 90, 18));
    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QStringLiteral("Kkokoko%1").arg(i));
    bar->setGeometry(boxLeft, top + 1, boxWidth - 50, 16);
    bar->setRange(3, kMapSize - 1);
    bar->setSingleStep(1);
    bar->setPageStep(7);
    bar->setValue(kMapSize - 1);
    bar->setFocusPolicy(Qt::NoFocus);
    Kkokoko_[static_cast<std::size_t>(i)] = bar;
    auto* value = addText(this, i == 0 ? "Label3_0" : "Label3_1", QStringLiteral("49"),
                          QRect(boxLeft + boxWidth - 44, top, 34, 18), Qt::AlignRight | Qt::AlignVCenter);
    Label3_[static_cast<std::size_t>(i)] = value;
    connect(bar, &QScrollBar::valueChanged, this, [this, i] { Kkokoko_Change(i); });
  }
}

void EditorWindow::buildCommands() {
  // Pairs of buttons, in the order a level maker reaches for them.
  const char* const captions[8] = {"Save and &Play level", "&Save level", "&Load level", "&Close editor",
                                   "&New level",           "Click here",  "Copy",        "Paste"};
  const int order[8] = {0, 1, 2, 4, 6, 7, 5, 3};
  const int top = kFieldsTop + 132, width = (kWindowWidth - 14 - kRightColumn - 8) / 2, height = 28;
  for (int slot = 0; slot < 8; ++slot) {
    const int i = order[slot];
    auto* button = new QPushButton(QString::fromLatin1(captions[i]), this);
    button->setObjectName(QStringLiteral("Comm%1").arg(i));
    button->setGeometry(kRightColumn + (slot % 2) * (width + 8), top + (slot / 2) * (height + 6), width,
                        height);
    button->setFocusPolicy(Qt::NoFocus);  // Space or Enter never presses a button by chance
    connect(button, &QPushButton::clicked, this, [this, i] { Comm_Click(i); });
    Comm_[static_cast<std::size_t>(i)] = button;
  }
  Comm_[5]->setToolTip(QStringLiteral("MESSAGE FOR YOU!"));
  // Under the commands, the whole width: is the level as it stands passable, and how?
  checkButton_ = new QPushButton(QStringLiteral("Check level"), this);
  checkButton_->setObjectName("CheckLevel");
  checkButton_->setGeometry(kRightColumn, top + 4 * (height + 6), 2 * width + 8, height);
  checkButton_->setToolTip(
      QStringLiteral("Search for the shortest way through the level as it stands (Ctrl+K)"));
  checkButton_->setFocusPolicy(Qt::NoFocus);
  connect(checkButton_, &QPushButton::clicked, this, [this] { CheckLevel_Click(); });
  QFont bold = Comm_[0]->font();
  bold.setBold(true);
  Comm_[0]->setFont(bold);
}

// ---------------------------------------------------------------------------------------------
// Loading, refreshing and drawing
// ---------------------------------------------------------------------------------------------

void EditorWindow::F_L() {
  Form_Load();
}

void EditorWindow::Form_Load() {
  GameState& g = sharedSession().game;
  if (g.EditorTestPlay) {
    const ui::DialogOwner owner(this);
    editor::reloadAfterTestPlay(g, editor::sharedEditor(), ui::prompts());
  }
  Päivitä_tiedot();
}

void EditorWindow::Päivitä_tiedot() {
  GameState& g = sharedSession().game;
  g.PlayerPos = {0, 0};
  VScroll1_->setValue(0);
  HScroll1_->setValue(0);
  editor::resetEditorView(g);
  showExtent();
  showNameAndCode();
  // The boxes now show the record: what the user typed there is done with, and the view keys
  // must not go on typing into them.
  takeKeyboard();
  kartan_piirto();
  updateUndoButtons();
}

void EditorWindow::showAsItWas() {
  // As Päivitä_tiedot, but the view stays on the square the record has in the middle.
  GameState& g = sharedSession().game;
  const BytePos centre = g.PlayerPos;
  {
    const QSignalBlocker across(HScroll1_), down(VScroll1_);
    showExtent();
    HScroll1_->setValue(centre.x);
    VScroll1_->setValue(centre.y);
  }
  g.PlayerPos = centre;
  showNameAndCode();
  placeFrame();
  kartan_piirto();
  updateUndoButtons();
}

void EditorWindow::showNameAndCode() {
  const GameState& g = sharedSession().game;
  {
    // Showing the record must not change it (a box may hold fewer characters than a name).
    const QSignalBlocker nameBlock(Text1_[0]), codeBlock(Text1_[1]);
    Text1_[0]->setText(ui::fromGameText(g.level.LevelName));
    Text1_[1]->setText(QString::number(g.level.EditCode));
  }
  setWindowTitle(QStringLiteral("Quobble - Level editor: '") + ui::fromGameText(g.level.LevelName).toUpper() +
                 QStringLiteral("'"));
}

void EditorWindow::showExtent() {
  // As the extent bars' change handler does, without it: showing the extent does not change it.
  const GameState& g = sharedSession().game;
  for (std::size_t i = 0; i < 2; ++i) {
    const QSignalBlocker block(Kkokoko_[i]);
    Kkokoko_[i]->setValue(i == 0 ? g.MapMax.x : g.MapMax.y);
    Label3_[i]->setText(QString::number(Kkokoko_[i]->value()));
  }
  kartan_piirto();
  HScroll1_->setMaximum(Kkokoko_[0]->value());
  VScroll1_->setMaximum(Kkokoko_[1]->value());
}

void EditorWindow::takeKeyboard() {
  QWidget* focus = focusWidget();
  if (focus == Text1_[0] || focus == Text1_[1]) setFocus(Qt::OtherFocusReason);
}

void EditorWindow::kartan_piirto() {
  const GameState& g = sharedSession().game;
  for (int k = 0; k < editor::kEditorViewCells; ++k) {
    const int picture = editor::viewPicture(g, k);
    int& shown = shownPicture_[static_cast<std::size_t>(k)];
    if (shown == picture) continue;
    shown = picture;
    Ruutu_[static_cast<std::size_t>(k)]->setPixmap(ui::PictureStore::tile(picture));
  }
}

// ---------------------------------------------------------------------------------------------
// Boxes and extent
// ---------------------------------------------------------------------------------------------

void EditorWindow::Text1_Change(int Index) {
  QLineEdit* box = Text1_[static_cast<std::size_t>(Index)];
  GameState& g = sharedSession().game;
  editor::beginChange(g, editor::sharedEditor(),
                      Index == 0 ? editor::StepKind::kName : editor::StepKind::kCode);
  if (Index == 0) {
    // A name is stored in Windows-1252: characters it cannot hold are not taken into the box.
    QString kept;
    for (const QChar c : box->text())
      if (gameTextFromUtf8(QString(c).toStdString())) kept.append(c);
    if (kept != box->text()) {
      const QSignalBlocker block(box);
      box->setText(kept);
    }
    g.level.LevelName = gameTextFromUtf8(kept.toStdString()).value_or(std::string());
  } else {
    const editor::CodeBoxText result = editor::editCodeBoxRule(box->text().toStdString());
    if (QString::fromStdString(result.text) != box->text()) {
      const QSignalBlocker block(box);
      box->setText(QString::fromStdString(result.text));
    }
    if (result.code) g.level.EditCode = *result.code;
  }
  updateUndoButtons();
}

void EditorWindow::Kkokoko_Change(int Index) {
  GameState& g = sharedSession().game;
  // One drag of a bar, or the clicks on it until the button is let go, make one step.
  editor::beginChange(g, editor::sharedEditor(),
                      Index == 0 ? editor::StepKind::kWidth : editor::StepKind::kHeight);
  const int value = Kkokoko_[static_cast<std::size_t>(Index)]->value();
  (Index == 0 ? g.MapMax.x : g.MapMax.y) = static_cast<int16_t>(value);
  Label3_[static_cast<std::size_t>(Index)]->setText(QString::number(value));
  kartan_piirto();
  // A view centre beyond the new extent is pulled back with its scroll bar.
  HScroll1_->setMaximum(Kkokoko_[0]->value());
  VScroll1_->setMaximum(Kkokoko_[1]->value());
  updateUndoButtons();
}

// ---------------------------------------------------------------------------------------------
// Palette and view squares
// ---------------------------------------------------------------------------------------------

void EditorWindow::Textuuri_Click(int code) {
  if (Textuuri_.find(code) == Textuuri_.end()) return;
  editor::sharedEditor().SelectedTile = static_cast<uint8_t>(code);
  placeFrame();
}

void EditorWindow::placeFrame() {
  // The frame stands on the tile that is drawn, whoever chose it (the labyrinth tool chooses the
  // permanent wall when Empty was selected).
  const auto entry = Textuuri_.find(editor::sharedEditor().SelectedTile);
  if (entry == Textuuri_.end()) return;
  Shape1_->move(entry->second->pos() - QPoint(3, 3));
  Shape1_->raise();
}

void EditorWindow::Ruutu_MouseMove(int k, Qt::KeyboardModifiers shift) {
  GameState& g = sharedSession().game;
  editor::EditorState& e = editor::sharedEditor();
  e.CursorSquare = editor::viewSquare(g, k);
  Label1_->setText(QStringLiteral("%1,%2").arg(e.CursorSquare.x).arg(e.CursorSquare.y));
  // Shift alone paints, pressed mouse button or not: moving with it held draws a stroke, which
  // is one step of the history and tells at most once that a square is off the map.
  if ((shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != Qt::ShiftModifier)
    return endShiftStroke();
  if (!shiftStroke_) {
    editor::endChange(g, e);
    shiftStroke_ = true;
    strokeToldOff_ = false;
  }
  editor::beginChange(g, e, editor::StepKind::kShiftStroke);
  if (editor::drawAtCursor(g, e)) {
    kartan_piirto();
    updateUndoButtons();
  } else if (!strokeToldOff_) {
    strokeToldOff_ = true;
    squareOutOfMap();
  }
}

void EditorWindow::endShiftStroke() {
  if (!shiftStroke_) return;
  shiftStroke_ = false;
  editor::endChange(sharedSession().game, editor::sharedEditor());
}

void EditorWindow::squareOutOfMap() {
  // One message at a time: what the mouse does while it is open is dropped.
  if (outOfMapOpen_) return;
  outOfMapOpen_ = true;
  {
    const ui::DialogOwner owner(this);
    ui::prompts().tell("Square is out of map.", "Editor", Icon::kInformation);
  }
  outOfMapOpen_ = false;
  regainKeyboard();
}

void EditorWindow::Ruutu_Click() {
  GameState& g = sharedSession().game;
  editor::EditorState& e = editor::sharedEditor();
  editor::beginChange(g, e, editor::StepKind::kSquares);
  if (!editor::drawAtCursor(g, e)) return squareOutOfMap();
  kartan_piirto();
  updateUndoButtons();
}

void EditorWindow::Ruutu_DblClick() {
  GameState& g = sharedSession().game;
  editor::EditorState& e = editor::sharedEditor();
  // The click before the double click drew on the square; the two make one step.
  editor::beginChange(g, e, editor::StepKind::kSquares);
  if (!editor::clearAtCursor(g, e)) return squareOutOfMap();
  kartan_piirto();
  updateUndoButtons();
}

void EditorWindow::paintAtCursor() {
  // Squares off the map are passed over in silence while the pointer drags.
  if (!editor::drawAtCursor(sharedSession().game, editor::sharedEditor())) return;
  kartan_piirto();
  updateUndoButtons();
}

int EditorWindow::viewCellAt(QWidget* source, QPoint pos) const {
  // While a button is held the square it went down on keeps the mouse, so the square under the
  // pointer is found from the position rather than from the control that reports it.
  const QPoint p = source->mapTo(this, pos) - kViewOrigin;
  if (p.x() < 0 || p.y() < 0 || p.x() >= kViewSize || p.y() >= kViewSize) return -1;
  return (p.y() / kSquare) * editor::kEditorViewSide + p.x() / kSquare;
}

bool EditorWindow::mouseOnViewSquare(QObject* watched, QEvent* event) {
  if (outOfMapOpen_) return true;  // arrived while "Square is out of map." is on screen
  auto* source = static_cast<QWidget*>(watched);
  const auto* mouse = static_cast<const QMouseEvent*>(event);
  const int k = viewCellAt(source, mouse->position().toPoint());
  GameState& g = sharedSession().game;
  editor::EditorState& e = editor::sharedEditor();
  switch (event->type()) {
    case QEvent::MouseMove:
      if (pressedCell_ >= 0 && (mouse->buttons() & Qt::LeftButton)) {
        // A drag paints every square it reaches, from the one where the button went down.
        if (k < 0 || k == dragCell_) return true;
        dragCell_ = k;
        dragMoved_ = true;
        Ruutu_MouseMove(k, Qt::NoModifier);
        paintAtCursor();
      } else if (k >= 0) {
        Ruutu_MouseMove(k, mouse->modifiers());
      }
      return true;
    case QEvent::MouseButtonPress:
      if (!leftButton(event) || k < 0) return true;
      takeKeyboard();
      endShiftStroke();
      toldOffCell_ = -1;
      editor::endChange(g, e);
      editor::beginChange(g, e, editor::StepKind::kSquares);
      Ruutu_MouseMove(k, Qt::NoModifier);  // the square under the pointer, without a Shift stroke
      pressedCell_ = dragCell_ = k;
      dragMoved_ = false;
      paintAtCursor();
      return true;
    case QEvent::MouseButtonRelease:
      // A click (not a drag that went on to other squares) off the map says so; on the map the
      // press has drawn already.
      if (leftButton(event) && pressedCell_ >= 0 && !dragMoved_ && k == pressedCell_ &&
          !g.insideMap(e.CursorSquare.x, e.CursorSquare.y)) {
        pressedCell_ = -1;
        toldOffCell_ = k;
        Ruutu_Click();
      }
      pressedCell_ = -1;
      return true;
    case QEvent::MouseButtonDblClick:
      pressedCell_ = -1;
      if (!leftButton(event) || k < 0) return true;
      Ruutu_MouseMove(k, Qt::NoModifier);
      // The click that began this double click has said already that the square is off the map.
      if (k == toldOffCell_ && !g.insideMap(e.CursorSquare.x, e.CursorSquare.y)) return true;
      Ruutu_DblClick();
      return true;
    default:
      return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Keys
// ---------------------------------------------------------------------------------------------

namespace {

constexpr int16_t kCtrlC = 3, kCtrlK = 11, kCtrlL = 12, kCtrlN = 14, kCtrlP = 16, kCtrlS = 19, kCtrlY = 25,
                  kCtrlZ = 26;

bool isCommandKey(int16_t code) {
  return code == kCtrlS || code == kCtrlL || code == kCtrlC || code == kCtrlN || code == kCtrlP ||
         code == kCtrlY || code == kCtrlZ || code == kCtrlK;
}
bool isScrollKey(int16_t code) {
  return code == 'a' || code == 'd' || code == 'w' || code == 'x';
}

}  // namespace

void EditorWindow::Form_KeyPress(int16_t KeyAscii) {
  switch (KeyAscii) {
    case 'a':
      if (HScroll1_->value() >= 1) HScroll1_->setValue(HScroll1_->value() - 1);
      break;
    case 'd':
      if (HScroll1_->value() < HScroll1_->maximum()) HScroll1_->setValue(HScroll1_->value() + 1);
      break;
    case 'w':
      if (VScroll1_->value() >= 1) VScroll1_->setValue(VScroll1_->value() - 1);
      break;
    case 'x':
      if (VScroll1_->value() < VScroll1_->maximum()) VScroll1_->setValue(VScroll1_->value() + 1);
      break;
    case kCtrlS:
      run(editor::EditorCommand::kSave);
      break;
    case kCtrlL:
      run(editor::EditorCommand::kLoad);
      break;
    case kCtrlC:
      run(editor::EditorCommand::kCloseEditor);
      break;  // closes the editor; it never copies
    case kCtrlN:
      run(editor::EditorCommand::kNewLevel);
      break;
    case kCtrlP:
      run(editor::EditorCommand::kSaveAndPlay);
      break;
    case kCtrlZ:
      Undo_Click();
      break;
    case kCtrlY:
      Redo_Click();
      break;
    case kCtrlK:
      CheckLevel_Click();
      break;
    default:
      break;
  }
}

bool EditorWindow::windowKey(QKeyEvent* event) {
  const int16_t code = ui::keyCode(event);
  if (!isCommandKey(code) && !isScrollKey(code)) return false;
  // Ctrl+Shift+Z redoes, as Ctrl+Y does.
  if (code == kCtrlZ && (event->modifiers() & Qt::ShiftModifier))
    Redo_Click();
  else
    Form_KeyPress(code);
  return true;
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
  // A key handed on to a control that did not want it was already handled for the window.
  if (forwardingKey_ || !windowKey(event)) QWidget::keyPressEvent(event);
}

void EditorWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Shift) endShiftStroke();
  QWidget::keyReleaseEvent(event);
}

bool EditorWindow::keyFromChild(QObject* watched, QKeyEvent* event) {
  const int16_t code = ui::keyCode(event);
  if (isCommandKey(code)) {
    // The command runs; the box never sees the key (Ctrl+C does not copy, Ctrl+Z does not undo
    // the box's own text).
    event->accept();
    windowKey(event);
    return true;
  }
  if (!isScrollKey(code)) return false;
  Form_KeyPress(code);
  // The letter still reaches the control (a box types it); it is not handed on to the window.
  forwardingKey_ = true;
  QCoreApplication::sendEvent(watched, event);
  forwardingKey_ = false;
  event->accept();
  return true;
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == this) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress) {
    if (forwardingKey_) return false;
    return keyFromChild(watched, static_cast<QKeyEvent*>(event));
  }
  if (type == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) endShiftStroke();
  const bool mouse = type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
                     type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
  if (!mouse) return false;
  if (watched->objectName().startsWith(QStringLiteral("Ruutu"))) return mouseOnViewSquare(watched, event);
  // A click anywhere but in a text box takes the keyboard back from the boxes.
  if (type == QEvent::MouseButtonPress && watched != Text1_[0] && watched != Text1_[1]) takeKeyboard();
  if (type == QEvent::MouseButtonRelease && (watched == Kkokoko_[0] || watched == Kkokoko_[1])) {
    editor::endChange(sharedSession().game, editor::sharedEditor());
    updateUndoButtons();
  }
  if (type != QEvent::MouseButtonRelease || !leftButton(event)) return false;
  auto* source = static_cast<QWidget*>(watched);
  if (!source->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) return false;
  if (watched == Image1_) {
    Image1_Click();
    return true;
  }
  for (const auto& [code, entry] : Textuuri_) {
    if (entry == watched) {
      Textuuri_Click(code);
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// Commands, undo and redo
// ---------------------------------------------------------------------------------------------

void EditorWindow::Comm_Click(int Index) {
  if (Index < 0 || Index > static_cast<int>(editor::EditorCommand::kPaste)) return;
  run(static_cast<editor::EditorCommand>(Index));
}

void EditorWindow::run(editor::EditorCommand command) {
  endShiftStroke();
  editor::CommandOutcome outcome;
  {
    const ui::DialogOwner owner(this);
    outcome = editor::Comm_Click(command, sharedSession().game, editor::sharedEditor(), ui::prompts());
  }
  carryOut(outcome);
}

void EditorWindow::CheckLevel_Click() {
  // The check changes nothing in the editor, not even the change in hand (typing into a box
  // goes on as one step afterwards): the editor comes back from it, and from "Show me", as it was.
  ui::navigation().checkLevel();
  regainKeyboard();
}

void EditorWindow::Image1_Click() {
  endShiftStroke();
  editor::CommandOutcome outcome;
  {
    const ui::DialogOwner owner(this);
    outcome = editor::Image1_Click(sharedSession().game, editor::sharedEditor(), ui::prompts());
  }
  carryOut(outcome);
}

void EditorWindow::carryOut(const editor::CommandOutcome& outcome) {
  using Outcome = editor::CommandOutcome;
  switch (outcome.refresh) {
    case Outcome::Refresh::kAll:
      Päivitä_tiedot();
      break;
    case Outcome::Refresh::kView:
      kartan_piirto();
      break;
    case Outcome::Refresh::kNothing:
      break;
  }
  placeFrame();
  updateUndoButtons();
  switch (outcome.next) {
    case Outcome::Next::kTestPlay:
      ui::navigation().startTestPlay();
      break;
    case Outcome::Next::kMainMenu:
      ui::navigation().editorClosed();
      break;
    case Outcome::Next::kShowNote:
      ui::navigation().showLevelMakersNote();
      break;
    case Outcome::Next::kStay:
      regainKeyboard();
      break;
  }
}

void EditorWindow::regainKeyboard() {
  // Without a window manager nothing gives the keyboard back to the editor once a dialog over
  // it has closed.
  if (isVisible() && !isActiveWindow()) activateWindow();
}

void EditorWindow::Undo_Click() {
  showUndoneChange(false);
}

void EditorWindow::Redo_Click() {
  showUndoneChange(true);
}

void EditorWindow::showUndoneChange(bool redo) {
  endShiftStroke();
  GameState& g = sharedSession().game;
  editor::EditorState& e = editor::sharedEditor();
  const std::string name = g.level.LevelName;
  if (!(redo ? editor::redoChange(g, e) : editor::undoChange(g, e))) return;
  {
    const QSignalBlocker nameBlock(Text1_[0]), codeBlock(Text1_[1]);
    Text1_[0]->setText(ui::fromGameText(g.level.LevelName));
    Text1_[1]->setText(QString::number(g.level.EditCode));
  }
  // The title follows the name when the change brought another name back (a new level undone).
  if (g.level.LevelName != name)
    setWindowTitle(QStringLiteral("Quobble - Level editor: '") +
                   ui::fromGameText(g.level.LevelName).toUpper() + QStringLiteral("'"));
  showExtent();
  updateUndoButtons();
}

void EditorWindow::updateUndoButtons() {
  const editor::EditorState& e = editor::sharedEditor();
  undoButton_->setEnabled(editor::canUndo(sharedSession().game, e));
  redoButton_->setEnabled(editor::canRedo(e));
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  // The close box is the close-editor command, with its question; the window closes only
  // through the navigator, once the editor was closed.
  event->ignore();
  run(editor::EditorCommand::kCloseEditor);
}

}  // namespace quobbles
