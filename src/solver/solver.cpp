// The solver. A state is what decides the rest of the game: every square's code and state
// byte, the specials counters, the player's square and gravity (and, when every star is
// wanted, the stars left and the all-stars notice). States are stored as their differences
// from the level's start, so memory grows with what changes, not with the map.
//
// Breadth first, so the first solution found has the fewest turns. Turns that cannot lead
// anywhere new are not searched: immortality when the plain move does not kill, remove-block
// aimed at a square it cannot remove, and invisibility or the attack when they change nothing
// but their counter (a state with fewer specials and otherwise the same is never better).
//
// Every state searched and every answer are those of playing each turn on its own copy of the
// game, but faster. One session is played over and over: a stored state is put into it, each
// turn is played, the squares that now differ from the level's start are listed (they make the
// new state's key), and those squares are set back. Turns that would end exactly as another turn
// of the same state are not played (see bumpsLikeAPass), and the world's answer is played once
// for all states with the same squares (see answerWorld). Nothing is allocated per state, apart
// from the tables that keep the states, which grow in blocks counted against the memory limit.
#include "solver/solver.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "board/board_engine.h"
#include "board/session.h"
#include "state/tiles.h"
#include "world/grid_sweeps.h"
#include "world/world_rules.h"

namespace quobbles::solver {

namespace {

using Clock = std::chrono::steady_clock;

// The turns tried from every state, in this order; the plain moves come first because the
// specials' turns are compared with them, and the pass first of all, so that a solution waits
// with "5" rather than by walking into a wall.
constexpr const char* kTurns[] = {
    "5",  "2",  "4",  "6",  "8",   // the pass and the plain moves
    "b5", "b2", "b4", "b6", "b8",  // remove-block, then a direction
    "c5", "c2", "c4", "c6", "c8",  // invisibility for the turn
    "m5", "m2", "m4", "m6", "m8",  // immortality for the turn
    "v",  "n",                     // a mine, the four-direction attack
};
constexpr int kPlainTurns = 5;
constexpr int kPassTurn = 0;  // index of "5"

bool turnAllowed(const Session& s, const char* turn) {
  const auto& c = s.board.controls.mAna;
  switch (turn[0]) {
    case 'b':
      return c[kRemoveBlockCounter] > 0;
    case 'c':
      return c[kInvisibilityCounter] > 0;
    case 'm':
      return c[kImmortalityCounter] > 0;
    case 'v':
      return c[kMineCounter] > 0 && s.game.code(s.game.PlayerPos.x, s.game.PlayerPos.y) == tile::Empty;
    case 'n':
      return c[kAttackCounter] > 0;
    default:
      return true;
  }
}

// The square a move key aims at from the player's square (it may lie off the map).
WordPos aimOf(const GameState& g, char key) {
  int x = g.PlayerPos.x, y = g.PlayerPos.y;
  switch (key) {
    case '2':
      ++y;
      break;
    case '4':
      --x;
      break;
    case '6':
      ++x;
      break;
    case '8':
      --y;
      break;
    default:
      break;
  }
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// Without gravity the remove-block turn aims exactly where its key points (off the map: at
// the player's own square); if nothing removable stands there, it is the plain move.
bool removesSomething(const Session& s, char key) {
  const GameState& g = s.game;
  WordPos aim = aimOf(g, key);
  if (!g.insideMap(aim.x, aim.y)) aim = {g.PlayerPos.x, g.PlayerPos.y};
  return isRemovable(g.code(aim.x, aim.y));
}

// Whether a move key leaves the player where he is in exactly the way "5" does, so that the turn
// ends in the very state that the same turn with "5" ends in. Without gravity (which could make
// him fall instead), a move off the map or into a square he may not enter and that is not the
// exit keeps him in place; "5" keeps him in place too, unless he stands on a teleport, which
// "5" enters again. The rest of the turn (blocks, hangers, pick-ups, death) sees only where he
// stands, and the key of the move itself (which the two turns leave different) is not kept
// from one turn to the next. Such a move is not played: its state is the one "5" gave.
bool bumpsLikeAPass(const Session& s, char key) {
  const GameState& g = s.game;
  if (key == '5' || s.board.vars.GravityOn) return false;
  if (g.code(g.PlayerPos.x, g.PlayerPos.y) == tile::Teleport) return false;
  const WordPos aim = aimOf(g, key);
  if (!g.insideMap(aim.x, aim.y)) return true;
  const uint8_t c = g.code(aim.x, aim.y);
  return !isEnterable(c) && c != tile::Exit;
}

char* putVarint(char* out, uint32_t v) {
  while (v >= 0x80) {
    *out++ = static_cast<char>(v | 0x80);
    v >>= 7;
  }
  *out++ = static_cast<char>(v);
  return out;
}

uint32_t takeVarint(std::string_view key, std::size_t& at) {
  uint32_t v = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<uint8_t>(key[at++]);
    v |= static_cast<uint32_t>(byte & 0x7F) << shift;
    if (byte < 0x80) return v;
  }
}

// A state's key while it is made and compared: room for the longest one (every square changed),
// taken once.
class Key {
 public:
  // The player's square and flags, five counters (at most five bytes each) and the stars left
  // (at most three), and four bytes a square.
  static constexpr std::size_t kMostBytes = 3 + 5 * 5 + 3 + 4 * kSquares;

  char* data() { return bytes_.get(); }
  void setEnd(const char* end) { size_ = static_cast<std::size_t>(end - bytes_.get()); }
  std::string_view view() const { return {bytes_.get(), size_}; }
  bool empty() const { return size_ == 0; }
  void clear() { size_ = 0; }
  void assign(const Key& other) {
    std::memcpy(bytes_.get(), other.bytes_.get(), other.size_);
    size_ = other.size_;
  }

 private:
  std::unique_ptr<char[]> bytes_ = std::make_unique<char[]>(kMostBytes);
  std::size_t size_ = 0;
};

// The memory the search's tables hold, against its limit, and the most they ever held.
class Budget {
 public:
  explicit Budget(int64_t limit) : limit_(limit) {}
  [[nodiscard]] bool take(int64_t bytes) {
    if (held_ + bytes > limit_) return false;
    held_ += bytes;
    peak_ = std::max(peak_, held_);
    return true;
  }
  void give(int64_t bytes) { held_ -= bytes; }
  int64_t peak() const { return peak_; }

 private:
  int64_t limit_, held_ = 0, peak_ = 0;
};

// Storage in blocks that never move once made, each block taken from the budget.
template <class T, std::size_t kBlockItems>
class BlockStore {
 public:
  static constexpr int64_t kBlockBytes = static_cast<int64_t>(sizeof(T) * kBlockItems);
  // Room for `count` more items in one piece at the end; false when the budget refuses a block.
  [[nodiscard]] bool reserve(std::size_t count, Budget& budget) {
    if (!blocks_.empty() && used_ + count <= kBlockItems) return true;
    if (!budget.take(kBlockBytes)) return false;
    blocks_.push_back(std::make_unique<T[]>(kBlockItems));
    used_ = 0;
    return true;
  }
  // Appends `count` items (room must have been reserved); returns where the first one went.
  uint64_t append(const T* items, std::size_t count) {
    const uint64_t at = (blocks_.size() - 1) * kBlockItems + used_;
    std::copy(items, items + count, blocks_.back().get() + used_);
    used_ += count;
    return at;
  }
  const T* at(uint64_t index) const { return blocks_[index / kBlockItems].get() + index % kBlockItems; }
  T* at(uint64_t index) { return blocks_[index / kBlockItems].get() + index % kBlockItems; }

 private:
  std::vector<std::unique_ptr<T[]>> blocks_;
  std::size_t used_ = 0;
};

struct Node {
  uint64_t offset;  // of the key in the key store
  uint32_t parent;
  uint16_t length;
  uint8_t turn;  // index into kTurns
};

class Search {
 public:
  Search(const Level& level, const SolveOptions& options)
      : options_(options),
        budget_(options.maxMemoryBytes > 0 ? options.maxMemoryBytes : defaultMemoryLimit()),
        start_(startTestPlay(level)) {
    if (options.liveAreaOnly) start_.game.MapMax = liveArea(level);
    options_.maxStates = std::clamp<int64_t>(options.maxStates, 1, kNone - 1);  // node numbers are 32-bit
    work_ = start_;
    startMap_ = start_.game.level.MapGrid;
    startStars_ = static_cast<int>(std::count(startMap_.begin(), startMap_.end(), tile::Star));
    blockFree_ = std::none_of(startMap_.begin(), startMap_.end(), [](uint8_t c) {
      return moverOf(c) == Mover::kBrownBlock || moverOf(c) == Mover::kPurpleBlock;
    });
    changed_.reserve(kSquares);
  }

  SolveResult run() {
    started_ = Clock::now();
    // The start: nothing differs from the level yet.
    changed_.clear();
    encode(work_, key_);
    if (!insert(key_.view(), hashOf(key_.view()), 0, 0)) return finish(SolveResult::Verdict::kGaveUp);

    // The nodes are appended in breadth-first order, so the queue is the node list itself.
    for (uint32_t index = 0; index < nodeCount_; ++index) {
      if (options_.cancel != nullptr && options_.cancel->load(std::memory_order_relaxed))
        return finish(SolveResult::Verdict::kCancelled);
      if (index % 256 == 0) publish();
      const Node node = *nodes_.at(index);
      current_ = index;
      enter(node);
      const Outcome outcome = expand(index, node);
      leave(node);
      if (outcome == Outcome::kSolved) return finish(SolveResult::Verdict::kSolved);
      if (outcome == Outcome::kStopped) return finish(SolveResult::Verdict::kGaveUp);
    }
    return finish(SolveResult::Verdict::kUnsolvable);
  }

 private:
  static constexpr uint32_t kNone = UINT32_MAX;
  enum class Outcome { kGoOn, kSolved, kStopped };

  // Every turn from one state.
  Outcome expand(uint32_t index, const Node& node) {
    for (int p = 0; p < kPlainTurns; ++p) plainKeys_[p].clear(), plainDied_[p] = false;
    for (int t = 0; t < static_cast<int>(std::size(kTurns)); ++t) {
      const char* turn = kTurns[t];
      const char kind = t < kPlainTurns ? ' ' : turn[0];  // the special of the turn, or none
      const int move = t % kPlainTurns;  // the plain move that goes with a special's move key
      const char moveKey = kind == ' ' ? turn[0] : turn[1];
      if (!turnAllowed(work_, turn)) continue;
      if (kind == 'm' && !plainDied_[move]) continue;
      if (kind == 'b' && !work_.board.vars.GravityOn && !removesSomething(work_, moveKey)) continue;
      if ((kind == ' ' || kind == 'c' || kind == 'm') && bumpsLikeAPass(work_, moveKey)) {
        // The same state as the turn with "5", which was tried just before in this group.
        if (kind == ' ')
          plainKeys_[move].assign(plainKeys_[kPassTurn]), plainDied_[move] = plainDied_[kPassTurn];
        continue;
      }

      play(turn, kind, moveKey);
      const Outcome outcome = judge(index, t, kind, move);
      restore(node);
      if (outcome != Outcome::kGoOn) return outcome;
    }
    return Outcome::kGoOn;
  }

  // Plays one turn in the session and lists the squares that now differ from the level's start.
  // Turns whose move key only moves the player (plain moves, and those with invisibility or
  // immortality armed) are played without the redraw, which the search never looks at, and with
  // the world's answer shared between states with the same grids (see answerWorld); remove-block,
  // the mine and the attack are played as keys.
  void play(const char* turn, char kind, char moveKey) {
    worldKnown_ = false;
    if (kind == 'b' || kind == 'v' || kind == 'n' || !options_.shareWorldAnswers) {
      replay(work_, turn);
    } else {
      if (kind != ' ') static_cast<void>(press(work_, static_cast<int16_t>(kind)));
      board::playMoveKey(work_.game, work_.board, static_cast<int16_t>(moveKey), answer_);
    }
    if (!worldKnown_) return collectChanges();
    // After the world's answer the turn changes no square but the one the player stands on (a
    // pick-up): the squares that differ are the answer's, with that one looked at again.
    const GameState& g = work_.game;
    const auto player = static_cast<uint16_t>(squareIndex(g.PlayerPos.x, g.PlayerPos.y));
    const bool differs = g.level.MapGrid[player] != startMap_[player] || g.StateGrid[player] != 0;
    changed_.clear();
    const WorldMemo& memo = memo_[memoSlot_];
    bool placed = false;
    for (const Square& square : memo.world) {
      if (!placed && square.index >= player) {
        placed = true;
        if (differs) changed_.push_back(player);
        if (square.index == player) continue;
      }
      changed_.push_back(square.index);
    }
    if (!placed && differs) changed_.push_back(player);
  }

  // The world's answer (block activation, the hangers' start, the movement pass) within a turn
  // played by play() without remove-block. Such a turn's own move writes nothing into the grids,
  // so they enter the answer as the stored state has them. When no block is started, the answer
  // reads nothing but the grids (movers take no notice of the player, and invisibility only
  // decides whether blocks are started), so every turn from states with the same grids gets the
  // same grids back: the first one plays it, and the others take the squares it left differing
  // from the level's start. On a map without moving blocks none can be started (blocks are never
  // made in play), so activation, which would only colour the warning lights, is not played.
  void answerWorld(GameState& g, BoardModel& b) {
    if (!blockFree_ && b.vars.TurnAction != turn_action::kInvisibility && world::Palikat_liikkeeseen(g, b)) {
      world::Viholliset_liikkeeseen(g);  // a block started: this answer is for this turn alone
      world::Palikoiden_liikutus(g);
      return;
    }
    WorldMemo& memo = memo_[memoSlot_];
    if (memoMatches_) {
      for (std::size_t at = squaresAt_; at < currentKey_.size(); at += 4) {
        const std::size_t square = squareOf(currentKey_, at);
        g.level.MapGrid[square] = startMap_[square];
        g.StateGrid[square] = 0;
      }
      for (const Square& square : memo.world) {
        g.level.MapGrid[square.index] = square.code;
        g.StateGrid[square.index] = square.state;
      }
    } else {
      world::Viholliset_liikkeeseen(g);
      world::Palikoiden_liikutus(g);
      collectChanges();
      memo.node = current_;
      memo.world.clear();
      for (const uint16_t i : changed_) memo.world.push_back({i, g.level.MapGrid[i], g.StateGrid[i]});
      memoMatches_ = true;
    }
    worldKnown_ = true;
  }

  // The squares of a stored state's key (the part after its player, flags and counters).
  std::string_view gridsOf(uint32_t index) const {
    const std::string_view key = keyOf(*nodes_.at(index));
    std::size_t at = 3;
    for (int c = 0; c < kSpecialCount; ++c) takeVarint(key, at);
    if (options_.allStars) takeVarint(key, at);
    return key.substr(at);
  }

  // What the turn just played leads to; stores its state when it is new.
  Outcome judge(uint32_t index, int t, char kind, int move) {
    if (work_.game.PlayState == 1) {
      if (kind == ' ') plainDied_[move] = true;
      return Outcome::kGoOn;
    }
    if (work_.game.PlayState == 2) {
      if (options_.allStars && !work_.board.controls.allStarsVisible) return Outcome::kGoOn;
      result_.keys = keysTo(index, t);
      result_.turns = turnsTo(index) + 1;
      return Outcome::kSolved;
    }
    // A remove-block that removed nothing was a plain move.
    if (kind == 'b' && work_.board.controls.mAna[kRemoveBlockCounter] == counterAtNode_[kRemoveBlockCounter])
      return Outcome::kGoOn;
    // Invisibility or the attack that changed nothing but their counter.
    if (kind == 'c' || kind == 'n') {
      const auto special = static_cast<std::size_t>(kind == 'c' ? kInvisibilityCounter : kAttackCounter);
      const Key& plain = plainKeys_[kind == 'c' ? move : kPassTurn];
      if (!plain.empty()) {
        ++work_.board.controls.mAna[special];
        encode(work_, key_);
        --work_.board.controls.mAna[special];
        if (key_.view() == plain.view()) return Outcome::kGoOn;
      }
    }
    if (!encode(work_, key_)) return Outcome::kGoOn;  // a star was lost on the way to all stars
    if (kind == ' ') plainKeys_[move].assign(key_);
    const uint32_t hash = hashOf(key_.view());
    if (find(key_.view(), hash) != kNone) return Outcome::kGoOn;
    if (static_cast<int64_t>(nodeCount_) >= options_.maxStates) {
      result_.limit = SolveResult::Limit::kStates;
      return Outcome::kStopped;
    }
    if (!insert(key_.view(), hash, index, static_cast<uint8_t>(t))) return Outcome::kStopped;
    return Outcome::kGoOn;
  }

  // The squares of the map that differ from the level's start (code or state byte), in reading
  // order. Outside the map's extent the rules never write.
  void collectChanges() {
    changed_.clear();
    const uint8_t* map = work_.game.level.MapGrid.data();
    const uint8_t* state = work_.game.StateGrid.data();
    const uint8_t* start = startMap_.data();
    using world::sweeps::load;
    world::sweeps::forEachFound(
        work_.game,
        [&](int i, int count) {
          return (load(map + i, count) ^ load(start + i, count)) | load(state + i, count);
        },
        [&](int i) { changed_.push_back(static_cast<uint16_t>(i)); });
  }

  // The compact key of the state in `s`, whose changed squares are in changed_. Returns false
  // when the state cannot reach every star any more (only asked for when every star is wanted).
  bool encode(const Session& s, Key& key) const {
    const GameState& g = s.game;
    const BoardModel& b = s.board;
    char* out = key.data();
    *out++ = static_cast<char>(g.PlayerPos.x);
    *out++ = static_cast<char>(g.PlayerPos.y);
    const bool allStarsShown = options_.allStars && b.controls.allStarsVisible;
    *out++ = static_cast<char>((b.vars.GravityOn ? 1 : 0) | (allStarsShown ? 2 : 0));
    for (int32_t c : b.controls.mAna) out = putVarint(out, static_cast<uint32_t>(c));
    if (options_.allStars) out = putVarint(out, b.vars.StarsLeft);
    const uint8_t* map = g.level.MapGrid.data();
    const uint8_t* state = g.StateGrid.data();
    for (const uint16_t i : changed_) {
      out[0] = static_cast<char>(i & 0xFF);
      out[1] = static_cast<char>(i >> 8);
      out[2] = static_cast<char>(map[i]);
      out[3] = static_cast<char>(state[i]);
      out += 4;
    }
    key.setEnd(out);
    if (!options_.allStars || allStarsShown) return true;
    int starsOnMap = startStars_;
    for (const uint16_t i : changed_) starsOnMap += (map[i] == tile::Star) - (startMap_[i] == tile::Star);
    return starsOnMap >= b.vars.StarsLeft;
  }

  // Puts a stored state into the session, whose map is the level's start.
  void enter(const Node& node) {
    const std::string_view key = keyOf(node);
    std::size_t at = 0;
    at += 2;  // the player's square, put back before every turn by reset()
    const auto flags = static_cast<uint8_t>(key[at++]);
    gravityAtNode_ = (flags & 1) != 0;
    allStarsAtNode_ = options_.allStars && (flags & 2) != 0;
    for (int32_t& c : counterAtNode_) c = static_cast<int32_t>(takeVarint(key, at));
    starsAtNode_ =
        options_.allStars ? static_cast<uint16_t>(takeVarint(key, at)) : start_.board.vars.StarsLeft;
    squaresAt_ = at;
    playerAtNode_ = {static_cast<uint8_t>(key[0]), static_cast<uint8_t>(key[1])};
    currentKey_ = key;
    memoSlot_ = hashOf(key.substr(at)) % memo_.size();
    const WorldMemo& memo = memo_[memoSlot_];
    memoMatches_ = memo.node != kNone && gridsOf(memo.node) == key.substr(at);
    putSquares(key);
    reset();
  }

  // After a turn: the squares it changed back to the level's start, then the stored state again.
  void restore(const Node& node) {
    GameState& g = work_.game;
    for (const uint16_t i : changed_) g.level.MapGrid[i] = startMap_[i], g.StateGrid[i] = 0;
    putSquares(keyOf(node));
    reset();
  }

  // The session's map back to the level's start once every turn of a state was played.
  void leave(const Node& node) {
    const std::string_view key = keyOf(node);
    GameState& g = work_.game;
    for (std::size_t at = squaresAt_; at < key.size(); at += 4) {
      const std::size_t square = squareOf(key, at);
      g.level.MapGrid[square] = startMap_[square];
      g.StateGrid[square] = 0;
    }
  }

  static std::size_t squareOf(std::string_view key, std::size_t at) {
    return static_cast<uint8_t>(key[at]) | static_cast<std::size_t>(static_cast<uint8_t>(key[at + 1])) << 8;
  }

  void putSquares(std::string_view key) {
    GameState& g = work_.game;
    for (std::size_t at = squaresAt_; at < key.size(); at += 4) {
      const std::size_t square = squareOf(key, at);
      g.level.MapGrid[square] = static_cast<uint8_t>(key[at + 2]);
      g.StateGrid[square] = static_cast<uint8_t>(key[at + 3]);
    }
  }

  // Everything outside the map that a turn reads, as the stored state has it.
  void reset() {
    GameState& g = work_.game;
    BoardModel& b = work_.board;
    g.PlayerPos = playerAtNode_;
    g.PlayState = 0;
    g.LastMoveKey = 0;
    b.vars.GravityOn = gravityAtNode_;
    b.vars.TurnAction = turn_action::kNone;
    b.vars.StarsLeft = starsAtNode_;
    b.vars.DarkView = false;
    b.vars.ViewShift = {4, 4};
    b.controls.mAna = counterAtNode_;
    b.controls.allStarsVisible = allStarsAtNode_;
  }

  std::string_view keyOf(const Node& n) const { return {keys_.at(n.offset), n.length}; }

  static uint32_t hashOf(std::string_view key) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(key));
  }

  // A slot holds a node's number + 1 in its low half and the node's hash in its high half, so
  // that most slots that do not match are told apart without reading the node.
  static uint64_t slotOf(uint32_t index, uint32_t hash) { return uint64_t{hash} << 32 | (index + 1); }

  uint32_t find(std::string_view key, uint32_t hash) const {
    for (std::size_t slot = hash & (slots_.size() - 1);; slot = (slot + 1) & (slots_.size() - 1)) {
      const uint64_t entry = slots_[slot];
      if (entry == 0) return kNone;
      if (entry >> 32 != hash) continue;
      const auto index = static_cast<uint32_t>(entry) - 1;
      if (keyOf(*nodes_.at(index)) == key) return index;
    }
  }

  // Stores a new state; false (with the memory limit noted) when the budget refuses the room.
  bool insert(std::string_view key, uint32_t hash, uint32_t parent, uint8_t turn) {
    const bool room = ((nodeCount_ + 1) * 2 <= slots_.size() || grow()) && nodes_.reserve(1, budget_) &&
                      keys_.reserve(key.size(), budget_);
    if (!room) {
      result_.limit = SolveResult::Limit::kMemory;
      return false;
    }
    const Node node{keys_.append(key.data(), key.size()), parent, static_cast<uint16_t>(key.size()), turn};
    nodes_.append(&node, 1);
    place(slotOf(nodeCount_++, hash));
    return true;
  }

  void place(uint64_t entry) {
    std::size_t slot = (entry >> 32) & (slots_.size() - 1);
    while (slots_[slot] != 0) slot = (slot + 1) & (slots_.size() - 1);
    slots_[slot] = entry;
  }

  // Doubles the table of slots (both tables are held while the new one is filled).
  bool grow() {
    const std::size_t size = slots_.empty() ? kFirstSlots : slots_.size() * 2;
    const auto bytes = static_cast<int64_t>(size * sizeof(uint64_t));
    if (!budget_.take(bytes)) return false;
    std::vector<uint64_t> bigger(size, 0);
    bigger.swap(slots_);
    for (const uint64_t entry : bigger)
      if (entry != 0) place(entry);
    budget_.give(static_cast<int64_t>(bigger.size() * sizeof(uint64_t)));
    return true;
  }

  std::string keysTo(uint32_t index, int lastTurn) const {
    std::vector<const char*> turns{kTurns[lastTurn]};
    for (uint32_t i = index; i != 0; i = nodes_.at(i)->parent) turns.push_back(kTurns[nodes_.at(i)->turn]);
    std::string keys;
    for (auto it = turns.rbegin(); it != turns.rend(); ++it) keys += *it;
    return keys;
  }

  int turnsTo(uint32_t index) const {
    int turns = 0;
    for (uint32_t i = index; i != 0; i = nodes_.at(i)->parent) ++turns;
    return turns;
  }

  void publish() {
    if (options_.progress == nullptr) return;
    options_.progress->states.store(nodeCount_, std::memory_order_relaxed);
    options_.progress->peakBytes.store(budget_.peak(), std::memory_order_relaxed);
    options_.progress->microseconds.store(
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started_).count(),
        std::memory_order_relaxed);
  }

  SolveResult finish(SolveResult::Verdict verdict) {
    publish();
    result_.verdict = verdict;
    result_.states = nodeCount_;
    result_.peakBytes = budget_.peak();
    result_.seconds = std::chrono::duration<double>(Clock::now() - started_).count();
    return result_;
  }

  static constexpr std::size_t kFirstSlots = 1 << 12;

  SolveOptions options_;
  Budget budget_;
  Session start_;
  Session work_;  // the session every turn is played in
  Grid startMap_{};
  int startStars_ = 0;
  bool blockFree_ = false;  // the level has no moving block
  Clock::time_point started_;

  BlockStore<Node, 8192> nodes_;
  BlockStore<char, 256 * 1024> keys_;  // a key is at most about 10 KiB (every square changed)
  uint32_t nodeCount_ = 0;
  std::vector<uint64_t> slots_;  // open addressing (see slotOf), 0 = empty

  // The state being expanded, as stored.
  BytePos playerAtNode_;
  bool gravityAtNode_ = false, allStarsAtNode_ = false;
  uint16_t starsAtNode_ = 0;
  std::array<int32_t, kSpecialCount> counterAtNode_{};
  std::size_t squaresAt_ = 0;  // where its squares begin in its key

  // The world's answers last played from states with given grids (see answerWorld), by a hash
  // of the grids.
  struct Square {
    uint16_t index;
    uint8_t code, state;
  };
  struct WorldMemo {
    uint32_t node = kNone;      // a state with the grids the answer was played from
    std::vector<Square> world;  // the squares that differ from the start after the answer
  };
  std::array<WorldMemo, 16> memo_;
  std::size_t memoSlot_ = 0;  // of the state being expanded
  bool memoMatches_ = false;  // its slot holds the answer to its grids
  bool worldKnown_ = false;   // the turn just played took its world's answer from the slot
  uint32_t current_ = 0;      // the state being expanded
  std::string_view currentKey_;
  std::function<void(GameState&, BoardModel&)> answer_ = [this](GameState& g, BoardModel& b) {
    answerWorld(g, b);
  };

  std::vector<uint16_t> changed_;  // squares that differ from the start after the turn
  Key key_;
  Key plainKeys_[kPlainTurns];
  bool plainDied_[kPlainTurns] = {};
  SolveResult result_;
};

}  // namespace

WordPos liveArea(const Level& level) {
  int maxX = 0, maxY = 0;
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x)
      if (!isPermanentWall(level.code(x, y))) maxX = std::max(maxX, x), maxY = std::max(maxY, y);
  return {static_cast<int16_t>(std::min(maxX + 1, kMapSize - 1)),
          static_cast<int16_t>(std::min(maxY + 1, kMapSize - 1))};
}

SolveResult solve(const Level& level, const SolveOptions& options) {
  return Search(level, options).run();
}

SolveResult solve(const Level& level, bool allStars, int64_t maxStates) {
  SolveOptions options;
  options.allStars = allStars;
  options.maxStates = maxStates;
  return solve(level, options);
}

int64_t defaultMemoryLimit() {
  const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return int64_t{1} << 30;
  return static_cast<int64_t>(pages) * pageSize / 4;
}

int64_t statesThatFit(int64_t bytes) {
  // A stored state takes its node (24 bytes), its key (about 60 bytes on a map with a few
  // movers) and up to four slots of 4 bytes: 128 bytes leaves room for larger keys.
  return std::max<int64_t>(1, bytes / 128);
}

SearchJob::SearchJob(Level level, SolveOptions options) : level_(std::move(level)), options_(options) {
  options_.cancel = &cancel_;
  options_.progress = &progress_;
  thread_ = std::thread([this] {
    SolveResult r = solve(level_, options_);
    const std::lock_guard lock(mutex_);
    result_ = std::move(r);
    done_ = true;
    finished_.notify_all();
  });
}

SearchJob::~SearchJob() {
  cancel();
  thread_.join();
}

bool SearchJob::done() const {
  const std::lock_guard lock(mutex_);
  return done_;
}

bool SearchJob::waitFor(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return finished_.wait_for(lock, timeout, [this] { return done_; });
}

const SolveResult& SearchJob::result() {
  std::unique_lock lock(mutex_);
  finished_.wait(lock, [this] { return done_; });
  return result_;
}

}  // namespace quobbles::solver
