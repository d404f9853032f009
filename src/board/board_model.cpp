// The board's model and its designed control values.
#include "board/board_model.h"

namespace quobbles {

std::array<WarningLine, 4> BoardControls::designedLines() {
  const int16_t from = kFigureHome, to = kFigureHome + kSquareTwips;
  return {{
      {kBoardEnd, from, kBoardEnd, to, colour::kDesignGrey},        // Line1(1): right edge
      {from, kBoardOrigin, to, kBoardOrigin, colour::kDesignGrey},  // Line1(2): top edge
      {kBoardOrigin, from, kBoardOrigin, to, colour::kDesignGrey},  // Line1(3): left edge
      {from, kBoardEnd, to, kBoardEnd, colour::kDesignGrey},        // Line1(4): bottom edge
  }};
}

BoardModel& sharedBoard() {
  static BoardModel instance;
  return instance;
}

}  // namespace quobbles
