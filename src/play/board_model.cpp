// The board's model: its designed control values and the specials counters.
#include "play/board_model.h"

#include <algorithm>

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

namespace play {

int32_t counter(const BoardModel& b, int index) {
  return b.controls.mAna[static_cast<std::size_t>(index)];
}

void addToCounter(BoardModel& b, int index, int32_t delta) {
  int32_t& c = b.controls.mAna[static_cast<std::size_t>(index)];
  const int64_t next = static_cast<int64_t>(c) + delta;
  c = static_cast<int32_t>(std::clamp<int64_t>(next, 0, kCounterLimit));
}

}  // namespace play
}  // namespace quobbles
