// The play model: what the board window shows and keeps. Its own variables (view offset, the
// chosen special, gravity, stars left, dark view) and the state of its controls (specials
// counters, the figure and its face, messages, warning lines, the 81 view pictures). The rules
// write it; the window only renders it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/game_state.h"

namespace quobbles {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colour {
constexpr Rgb kBrightYellow{255, 255, 0};
constexpr Rgb kOlive{128, 128, 0};
constexpr Rgb kDesignGrey{192, 192, 192};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kPink{255, 0, 128};
}  // namespace colour

// The special chosen for the current turn.
namespace turn_action {
constexpr uint8_t kNone = 0;
constexpr uint8_t kInvisibility = 2;
constexpr uint8_t kMineDropped = 3;
constexpr uint8_t kAttackFired = 4;
constexpr uint8_t kImmortality = 5;
constexpr uint8_t kRemoveBlock = 6;
constexpr uint8_t kImmortalitySpent = 95;
}  // namespace turn_action

// Specials counters mAna(0..4).
enum Special : int {
  kInvisibilityCounter = 0,
  kMineCounter,
  kRemoveBlockCounter,
  kAttackCounter,
  kImmortalityCounter
};
constexpr int kSpecialCount = 5;
constexpr int32_t kCounterLimit = 2'000'000'000;  // counters stop growing here

// A view picture: a tile code (0..255), or a hanger facing 11..14 shown as kHangerFacing + n.
using PictureId = uint16_t;
constexpr PictureId kHangerFacing = 256;
constexpr PictureId hangerPicture(int facing) {
  return static_cast<PictureId>(kHangerFacing + facing);
}
constexpr bool isHangerPicture(PictureId p) {
  return p >= kHangerFacing;
}

constexpr int kViewSide = 9;
constexpr int kViewCells = kViewSide * kViewSide;

// Board geometry in twips: squares of 600, the 9 x 9 area spanning 480..5880.
constexpr int kSquareTwips = 600;
constexpr int kBoardOrigin = 480;
constexpr int kBoardEnd = kBoardOrigin + kViewSide * kSquareTwips;
constexpr int kFigureHome = 2880;

// One warning line Line1(n): its end points in twips and its colour.
struct WarningLine {
  int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour = colour::kDesignGrey;
  friend bool operator==(const WarningLine&, const WarningLine&) = default;
};

// The board window's own variables: they outlive the window's controls.
struct BoardVariables {
  BytePos ViewShift{4, 4};
  uint8_t TurnAction = turn_action::kNone;
  bool GravityOn = false;
  bool Supported = false;
  uint16_t StarsLeft = 0;  // wide enough for a map full of stars
  bool DarkView = false;
  bool BlastHit = false;
  friend bool operator==(const BoardVariables&, const BoardVariables&) = default;
};

// What the engine asks the window to do after a key, beyond redrawing.
struct BoardEffects {
  bool openHelp = false;     // Space: show the texture help and the help windows
  bool leaveBoard = false;   // Esc: leave the board
  bool saveProfile = false;  // a campaign map was passed: write the player's profile
  friend bool operator==(const BoardEffects&, const BoardEffects&) = default;
};

// The board's controls as they stand; rebuilt from their design whenever the board loads.
struct BoardControls {
  std::array<int32_t, kSpecialCount> mAna{};  // the specials counters
  int16_t figureLeft = kFigureHome;           // Pelaaja
  int16_t figureTop = kFigureHome;
  bool figureVisible = true;
  uint8_t face = 0;             // index into Naama(0..9)
  bool messageVisible = false;  // Viesti
  std::string messageCaption = "Game over.";
  bool escHintVisible = false;                         // Label2 "(Press Esc.)"
  bool allStarsVisible = false;                        // AllStars and Label3 "All stars collected!"
  Rgb hintColour = colour::kBrightYellow;              // Label1 "(Press Spacebar to help)"
  std::array<WarningLine, 4> lines = designedLines();  // Line1(1..4) at index 0..3
  std::array<PictureId, kViewCells> view{};            // Ruutu(0..80)

  static std::array<WarningLine, 4> designedLines();
  friend bool operator==(const BoardControls&, const BoardControls&) = default;
};

struct BoardModel {
  BoardVariables vars;
  BoardControls controls;
  BoardEffects effects;  // collected during a key, taken by the window afterwards
  friend bool operator==(const BoardModel&, const BoardModel&) = default;
};

namespace play {

// The specials counters mAna(0..4): read as a number, written back changed by delta; they
// never leave 0..kCounterLimit.
int32_t counter(const BoardModel& b, int index);
void addToCounter(BoardModel& b, int index, int32_t delta);

}  // namespace play
}  // namespace quobbles
