// Undo and restart: the session written as bytes, steps kept as the runs of bytes that differ.
#include "board/history.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <cstring>
#include <string>
#include <type_traits>

#include "board/board_engine.h"
#include "state/check.h"
#include "world/gods_tools.h"

namespace quobbles {

namespace {

using Bytes = std::vector<uint8_t>;

// ---------------------------------------------------------------------------------------------
// The session as bytes
// ---------------------------------------------------------------------------------------------

// Every field of the session is written, field by field, so that two equal sessions always give
// equal bytes (no padding is copied). Counting the fields of each record lets the build catch a
// field added to the session but not to the lists below, which undo would silently leave alone.
struct AnyField {
  template <class T>
  operator T() const;  // only named in unevaluated checks
};

template <class T, class... Fields>
constexpr std::size_t fieldCount(Fields... fields) {
  if constexpr (requires { T{fields..., AnyField{}}; })
    return fieldCount<T>(fields..., AnyField{});
  else
    return sizeof...(Fields);
}

template <class T, class U>
concept Either = std::same_as<std::remove_const_t<T>, U>;

template <class Io, Either<BytePos> T>
void parts(Io& io, T& p) {
  static_assert(fieldCount<BytePos>() == 2);
  io(p.x, p.y);
}
template <class Io, Either<WordPos> T>
void parts(Io& io, T& p) {
  static_assert(fieldCount<WordPos>() == 2);
  io(p.x, p.y);
}
template <class Io, Either<Level> T>
void parts(Io& io, T& l) {
  static_assert(fieldCount<Level>() == 4);
  io(l.LevelName, l.EditCode, l.LevelStatus, l.MapGrid);
}
template <class Io, Either<Profile> T>
void parts(Io& io, T& p) {
  static_assert(fieldCount<Profile>() == 3);
  io(p.PlayerName, p.LevelPassed, p.LevelStars);
}
template <class Io, Either<GameState> T>
void parts(Io& io, T& g) {
  static_assert(fieldCount<GameState>() == 13);
  io(g.level, g.StateGrid, g.PlayerPos, g.TargetPos, g.ScanPos, g.MapMax, g.LastMoveKey, g.PlayState,
     g.MapNumber, g.EditorTestPlay, g.LevelPath, g.profile, g.LoginName);
}
template <class Io, Either<Rgb> T>
void parts(Io& io, T& c) {
  static_assert(fieldCount<Rgb>() == 3);
  io(c.r, c.g, c.b);
}
template <class Io, Either<WarningLine> T>
void parts(Io& io, T& l) {
  static_assert(fieldCount<WarningLine>() == 5);
  io(l.x1, l.y1, l.x2, l.y2, l.colour);
}
template <class Io, Either<BoardVariables> T>
void parts(Io& io, T& v) {
  static_assert(fieldCount<BoardVariables>() == 7);
  io(v.ViewShift, v.TurnAction, v.GravityOn, v.Supported, v.StarsLeft, v.DarkView, v.BlastHit);
}
template <class Io, Either<BoardEffects> T>
void parts(Io& io, T& e) {
  static_assert(fieldCount<BoardEffects>() == 3);
  io(e.openHelp, e.leaveBoard, e.saveProfile);
}
template <class Io, Either<BoardControls> T>
void parts(Io& io, T& c) {
  static_assert(fieldCount<BoardControls>() == 12);
  io(c.mAna, c.figureLeft, c.figureTop, c.figureVisible, c.face, c.messageVisible, c.messageCaption,
     c.escHintVisible, c.allStarsVisible, c.hintColour, c.lines, c.view);
}
template <class Io, Either<BoardModel> T>
void parts(Io& io, T& b) {
  static_assert(fieldCount<BoardModel>() == 3);
  io(b.vars, b.controls, b.effects);
}
template <class Io, Either<Session> T>
void parts(Io& io, T& s) {
  static_assert(fieldCount<Session>() == 2);
  io(s.game, s.board);
}

template <class T>
constexpr bool kPlain = std::is_arithmetic_v<T> || std::is_enum_v<T>;
template <class T>
struct IsArray : std::false_type {};
template <class T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

class Writer {
 public:
  explicit Writer(Bytes& out) : out_(out) {}
  template <class... Fields>
  void operator()(const Fields&... fields) {
    (field(fields), ...);
  }

 private:
  void raw(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    out_.insert(out_.end(), bytes, bytes + size);
  }
  template <class T>
  void field(const T& value) {
    if constexpr (kPlain<T>) {
      raw(&value, sizeof value);
    } else if constexpr (std::is_same_v<T, std::string>) {
      const auto size = static_cast<uint32_t>(value.size());
      raw(&size, sizeof size);
      raw(value.data(), value.size());
    } else if constexpr (IsArray<T>::value) {
      if constexpr (kPlain<typename T::value_type>)
        raw(value.data(), sizeof(typename T::value_type) * value.size());
      else
        for (const auto& element : value) field(element);
    } else {
      parts(*this, value);
    }
  }
  Bytes& out_;
};

class Reader {
 public:
  explicit Reader(const Bytes& in) : at_(in.data()), end_(in.data() + in.size()) {}
  template <class... Fields>
  void operator()(Fields&... fields) {
    (field(fields), ...);
  }
  bool atEnd() const { return at_ == end_; }

 private:
  void raw(void* data, std::size_t size) {
    QUOBBLES_CHECK(static_cast<std::size_t>(end_ - at_) >= size);
    if (size != 0) std::memcpy(data, at_, size);
    at_ += size;
  }
  template <class T>
  void field(T& value) {
    if constexpr (kPlain<T>) {
      raw(&value, sizeof value);
    } else if constexpr (std::is_same_v<T, std::string>) {
      uint32_t size = 0;
      raw(&size, sizeof size);
      value.resize(size);
      raw(value.data(), size);
    } else if constexpr (IsArray<T>::value) {
      if constexpr (kPlain<typename T::value_type>)
        raw(value.data(), sizeof(typename T::value_type) * value.size());
      else
        for (auto& element : value) field(element);
    } else {
      parts(*this, value);
    }
  }
  const uint8_t* at_;
  const uint8_t* end_;
};

Bytes imageOf(const Session& s) {
  Bytes out;
  out.reserve(8 * 1024);
  Writer writer(out);
  writer(s);
  return out;
}

Session sessionOf(const Bytes& image) {
  Session s;
  Reader reader(image);
  reader(s);
  QUOBBLES_CHECK(reader.atEnd());
  return s;
}

// ---------------------------------------------------------------------------------------------
// Differences between two images
// ---------------------------------------------------------------------------------------------

// A difference turns a newer image back into an older one. It is either the runs where the two
// differ, each as (gap since the last run, length, the older bytes), or, when a text changed its
// length and the images no longer line up, the whole older image.
constexpr uint8_t kRuns = 0, kWhole = 1;
// Equal bytes between two differing ones are taken into the run while that is no dearer than
// starting a new run (a run costs at least two bytes of gap and length).
constexpr std::size_t kJoinGap = 3;

void putNumber(Bytes& out, std::size_t n) {
  while (n >= 0x80) {
    out.push_back(static_cast<uint8_t>(n | 0x80));
    n >>= 7;
  }
  out.push_back(static_cast<uint8_t>(n));
}

std::size_t getNumber(const uint8_t*& at, const uint8_t* end) {
  std::size_t n = 0;
  for (int shift = 0;; shift += 7) {
    QUOBBLES_CHECK(at < end && shift < 64);
    const uint8_t byte = *at++;
    n |= static_cast<std::size_t>(byte & 0x7f) << shift;
    if ((byte & 0x80) == 0) return n;
  }
}

// Appends to `out` what turns `newer` back into `older`.
void appendDifference(Bytes& out, const Bytes& older, const Bytes& newer) {
  if (older.size() != newer.size()) {
    out.push_back(kWhole);
    putNumber(out, older.size());
    out.insert(out.end(), older.begin(), older.end());
    return;
  }
  out.push_back(kRuns);
  const std::size_t size = older.size();
  std::size_t lastEnd = 0;
  for (std::size_t i = 0; i < size;) {
    if (older[i] == newer[i]) {
      ++i;
      continue;
    }
    // The run ends at the last differing byte that no more than kJoinGap equal bytes part from
    // the one before it.
    std::size_t end = i + 1;
    for (std::size_t j = end; j < size && j <= end + kJoinGap; ++j)
      if (older[j] != newer[j]) end = j + 1;
    putNumber(out, i - lastEnd);
    putNumber(out, end - i);
    out.insert(out.end(), older.begin() + static_cast<std::ptrdiff_t>(i),
               older.begin() + static_cast<std::ptrdiff_t>(end));
    lastEnd = end;
    i = end;
  }
}

// Turns `image` (the newer image of a difference) back into the older one.
void applyDifference(Bytes& image, const uint8_t* at, const uint8_t* end) {
  QUOBBLES_CHECK(at < end);
  const uint8_t form = *at++;
  if (form == kWhole) {
    const std::size_t size = getNumber(at, end);
    QUOBBLES_CHECK(static_cast<std::size_t>(end - at) == size);
    image.assign(at, end);
    return;
  }
  QUOBBLES_CHECK(form == kRuns);
  std::size_t pos = 0;
  while (at < end) {
    pos += getNumber(at, end);
    const std::size_t length = getNumber(at, end);
    QUOBBLES_CHECK(pos + length <= image.size() && static_cast<std::size_t>(end - at) >= length);
    std::memcpy(image.data() + pos, at, length);
    at += length;
    pos += length;
  }
}

// ---------------------------------------------------------------------------------------------
// Which keys are steps
// ---------------------------------------------------------------------------------------------

bool isMoveKey(int16_t key) {
  using namespace board::key;
  return key == kDown || key == kLeft || key == kPass || key == kRight || key == kUp;
}

bool isSpecialKey(int16_t key) {
  using namespace board::key;
  return key == kInvisibility || key == kMine || key == kRemoveBlock || key == kAttack || key == kImmortality;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// History
// ---------------------------------------------------------------------------------------------

void History::begin(const Session& s) {
  start_ = imageOf(s);
  tip_ = start_;
  changes_.clear();
  changes_.shrink_to_fit();
  steps_.clear();
  steps_.shrink_to_fit();
  passed_ = false;
}

void History::record(const Session& before, const Session& after) {
  const Bytes beforeImage = imageOf(before);
  Bytes afterImage = imageOf(after);
  if (before.game.PlayState != 2 && after.game.PlayState == 2) {
    // The pass is recorded at once (the player's progress is written): it cannot be undone.
    changes_.clear();
    steps_.clear();
    passed_ = true;
  } else {
    Step step{static_cast<uint32_t>(changes_.size()), 0};
    appendDifference(changes_, tip_, beforeImage);
    step.change = static_cast<uint32_t>(changes_.size());
    appendDifference(changes_, beforeImage, afterImage);
    steps_.push_back(step);
  }
  tip_ = std::move(afterImage);
}

bool History::undo(Session& s) {
  if (steps_.empty()) return false;
  const Step step = steps_.back();
  const uint8_t* base = changes_.data();
  applyDifference(tip_, base + step.change, base + changes_.size());
  s = sessionOf(tip_);
  applyDifference(tip_, base + step.drift, base + step.change);
  changes_.resize(step.drift);
  steps_.pop_back();
  return true;
}

bool History::restart(Session& s) {
  if (passed_) return false;
  const Session before = s;
  Session opened = sessionOf(start_);
  if (opened == before) return false;
  s = std::move(opened);
  record(before, s);
  return true;
}

std::size_t History::storedBytes() const {
  return start_.capacity() + tip_.capacity() + changes_.capacity() + steps_.capacity() * sizeof(Step);
}

History& sharedHistory() {
  static History instance;
  return instance;
}

BoardEffects playKey(Session& s, History& h, int16_t key) {
  if (key == board::key::kUndo || key == board::key::kUndoControl) {
    h.undo(s);
    return {};
  }
  if (key == board::key::kRestart) {
    h.restart(s);
    return {};
  }
  // A move key after death or a pass plays no turn; view keys, Space and Esc never do.
  const bool step = (isMoveKey(key) && s.game.PlayState == 0) || isSpecialKey(key);
  if (!step) return press(s, key);
  const Session before = s;
  const BoardEffects effects = press(s, key);
  if (!(s == before)) h.record(before, s);
  return effects;
}

void useGodsTool(Session& s, History& h, int index) {
  const Session before = s;
  world::Command1_Click(s.game, s.board, index);
  if (!(s == before)) h.record(before, s);
}

}  // namespace quobbles
