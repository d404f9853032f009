// The solver. A state is what decides the rest of the game: every square's code and state
// byte, the specials counters, the player's square and gravity (and, when every star is
// wanted, the stars left and the all-stars notice). States are stored as their differences
// from the level's start in one byte arena, so memory grows with what changes, not with the map.
//
// Breadth first, so the first solution found has the fewest turns. Each state is decoded once
// and every turn is played on a copy of it. Turns that cannot lead anywhere new are not
// searched: immortality when the plain move does not kill, remove-block aimed at a square it
// cannot remove, and invisibility or the attack when they change nothing but their counter
// (a state with fewer specials and otherwise the same is never better).
#include "solver/solver.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

#include "board/session.h"
#include "state/tiles.h"

namespace quobbles::solver {

namespace {

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

// Without gravity the remove-block turn aims exactly where its key points (off the map: at
// the player's own square); if nothing removable stands there, it is the plain move.
bool removesSomething(const Session& s, char direction) {
  const GameState& g = s.game;
  int x = g.PlayerPos.x, y = g.PlayerPos.y;
  switch (direction) {
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
  if (!g.insideMap(x, y)) x = g.PlayerPos.x, y = g.PlayerPos.y;
  return isRemovable(g.code(x, y));
}

// Eight squares that hold their start codes and no state.
bool sameAsStart(const uint8_t* map, const uint8_t* start, const uint8_t* state) {
  uint64_t m, s, st;
  std::memcpy(&m, map, 8);
  std::memcpy(&s, start, 8);
  std::memcpy(&st, state, 8);
  return m == s && st == 0;
}

void putVarint(std::string& key, uint32_t v) {
  while (v >= 0x80) {
    key.push_back(static_cast<char>(v | 0x80));
    v >>= 7;
  }
  key.push_back(static_cast<char>(v));
}

uint32_t takeVarint(std::string_view key, std::size_t& at) {
  uint32_t v = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<uint8_t>(key[at++]);
    v |= static_cast<uint32_t>(byte & 0x7F) << shift;
    if (byte < 0x80) return v;
  }
}

struct Node {
  uint64_t offset;  // of the key in the arena
  uint32_t parent;
  uint32_t hash;
  uint16_t length;
  uint8_t turn;  // index into kTurns
};

class Search {
 public:
  Search(const Level& level, const SolveOptions& options) : options_(options), start_(startTestPlay(level)) {
    if (options.liveAreaOnly) start_.game.MapMax = liveArea(level);
    options_.maxStates = std::clamp<int64_t>(options.maxStates, 1, kNone - 1);  // node numbers are 32-bit
    startMap_ = start_.game.level.MapGrid;
    slots_.assign(1 << 16, 0);
  }

  SolveResult run() {
    const auto started = std::chrono::steady_clock::now();
    SolveResult result;
    auto finish = [&](SolveResult::Verdict v) {
      result.verdict = v;
      result.states = static_cast<int64_t>(nodes_.size());
      result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      return result;
    };

    encode(start_, key_);
    insert(key_, 0, 0);
    Session base = start_, work = start_;
    std::string plainKeys[kPlainTurns];
    bool plainDied[kPlainTurns];

    // The nodes are appended in breadth-first order, so the queue is the node list itself.
    for (uint32_t index = 0; index < nodes_.size(); ++index) {
      decode(nodes_[index], base);
      for (int p = 0; p < kPlainTurns; ++p) plainKeys[p].clear(), plainDied[p] = false;

      for (int t = 0; t < static_cast<int>(std::size(kTurns)); ++t) {
        const char* turn = kTurns[t];
        const char kind = t < kPlainTurns ? ' ' : turn[0];  // the special of the turn, or none
        const int move = t % kPlainTurns;  // the plain move that goes with a special's move key
        if (!turnAllowed(base, turn)) continue;
        if (kind == 'm' && !plainDied[move]) continue;
        if (kind == 'b' && !base.board.vars.GravityOn && !removesSomething(base, turn[1])) continue;

        work = base;
        replay(work, turn);
        if (work.game.PlayState == 1) {
          if (kind == ' ') plainDied[move] = true;
          continue;
        }
        if (work.game.PlayState == 2) {
          if (options_.allStars && !work.board.controls.allStarsVisible) continue;
          result.keys = keysTo(index, t);
          result.turns = turnsTo(index) + 1;
          return finish(SolveResult::Verdict::kSolved);
        }
        // A remove-block that removed nothing was a plain move.
        if (kind == 'b' &&
            work.board.controls.mAna[kRemoveBlockCounter] == base.board.controls.mAna[kRemoveBlockCounter])
          continue;
        // Invisibility or the attack that changed nothing but their counter.
        if (kind == 'c' || kind == 'n') {
          const int special = kind == 'c' ? kInvisibilityCounter : kAttackCounter;
          const std::string& plain = plainKeys[kind == 'c' ? move : kPassTurn];
          if (!plain.empty()) {
            ++work.board.controls.mAna[static_cast<std::size_t>(special)];
            encode(work, key_);
            --work.board.controls.mAna[static_cast<std::size_t>(special)];
            if (key_ == plain) continue;
          }
        }
        if (!encode(work, key_)) continue;  // a star was lost on the way to all stars
        if (kind == ' ') plainKeys[move] = key_;
        if (find(key_) != kNone) continue;
        if (static_cast<int64_t>(nodes_.size()) >= options_.maxStates)
          return finish(SolveResult::Verdict::kGaveUp);
        insert(key_, index, static_cast<uint8_t>(t));
      }
    }
    return finish(SolveResult::Verdict::kUnsolvable);
  }

 private:
  static constexpr uint32_t kNone = UINT32_MAX;

  // The compact key of a state between turns. Returns false when the state cannot reach
  // every star any more (only asked for when every star is wanted).
  bool encode(const Session& s, std::string& key) {
    const GameState& g = s.game;
    const BoardModel& b = s.board;
    key.clear();
    key.push_back(static_cast<char>(g.PlayerPos.x));
    key.push_back(static_cast<char>(g.PlayerPos.y));
    const bool allStarsShown = options_.allStars && b.controls.allStarsVisible;
    key.push_back(static_cast<char>((b.vars.GravityOn ? 1 : 0) | (allStarsShown ? 2 : 0)));
    for (int32_t c : b.controls.mAna) putVarint(key, static_cast<uint32_t>(c));
    if (options_.allStars) putVarint(key, b.vars.StarsLeft);
    const uint8_t* map = g.level.MapGrid.data();
    const uint8_t* state = g.StateGrid.data();
    const uint8_t* start = startMap_.data();
    for (int y = 0; y <= g.MapMax.y; ++y) {
      const std::size_t rowEnd = static_cast<std::size_t>(y * kMapSize + g.MapMax.x + 1);
      std::size_t i = static_cast<std::size_t>(y * kMapSize);
      // Most squares are as they started: skip them eight at a time.
      while (i < rowEnd) {
        if (i + 8 <= rowEnd && sameAsStart(map + i, start + i, state + i)) {
          i += 8;
          continue;
        }
        if (map[i] != start[i] || state[i] != 0) {
          key.push_back(static_cast<char>(i & 0xFF));
          key.push_back(static_cast<char>(i >> 8));
          key.push_back(static_cast<char>(map[i]));
          key.push_back(static_cast<char>(state[i]));
        }
        ++i;
      }
    }
    if (!options_.allStars || allStarsShown) return true;
    const int starsOnMap = static_cast<int>(std::count(map, map + kSquares, tile::Star));
    return starsOnMap >= b.vars.StarsLeft;
  }

  // Puts a stored state back into a session that was started on the same level.
  void decode(const Node& node, Session& s) const {
    const std::string_view key(arena_.data() + node.offset, node.length);
    GameState& g = s.game;
    BoardModel& b = s.board;
    std::size_t at = 0;
    g.PlayerPos.x = static_cast<uint8_t>(key[at++]);
    g.PlayerPos.y = static_cast<uint8_t>(key[at++]);
    const auto flags = static_cast<uint8_t>(key[at++]);
    b.vars.GravityOn = (flags & 1) != 0;
    for (int32_t& c : b.controls.mAna) c = static_cast<int32_t>(takeVarint(key, at));
    if (options_.allStars) {
      b.vars.StarsLeft = static_cast<uint16_t>(takeVarint(key, at));
      b.controls.allStarsVisible = (flags & 2) != 0;
    }
    g.level.MapGrid = startMap_;
    g.StateGrid.fill(0);
    while (at < key.size()) {
      const std::size_t square =
          static_cast<uint8_t>(key[at]) | static_cast<std::size_t>(static_cast<uint8_t>(key[at + 1])) << 8;
      g.level.MapGrid[square] = static_cast<uint8_t>(key[at + 2]);
      g.StateGrid[square] = static_cast<uint8_t>(key[at + 3]);
      at += 4;
    }
    g.PlayState = 0;
    g.LastMoveKey = 0;
    b.vars.TurnAction = turn_action::kNone;
  }

  std::string_view keyOf(const Node& n) const { return {arena_.data() + n.offset, n.length}; }

  uint32_t find(const std::string& key) const {
    const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(key));
    for (std::size_t slot = hash & (slots_.size() - 1);; slot = (slot + 1) & (slots_.size() - 1)) {
      const uint32_t entry = slots_[slot];
      if (entry == 0) return kNone;
      const Node& n = nodes_[entry - 1];
      if (n.hash == hash && keyOf(n) == key) return entry - 1;
    }
  }

  void insert(const std::string& key, uint32_t parent, uint8_t turn) {
    if ((nodes_.size() + 1) * 2 > slots_.size()) grow();
    const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(key));
    nodes_.push_back({arena_.size(), parent, hash, static_cast<uint16_t>(key.size()), turn});
    arena_.insert(arena_.end(), key.begin(), key.end());
    place(static_cast<uint32_t>(nodes_.size() - 1));
  }

  void place(uint32_t index) {
    std::size_t slot = nodes_[index].hash & (slots_.size() - 1);
    while (slots_[slot] != 0) slot = (slot + 1) & (slots_.size() - 1);
    slots_[slot] = index + 1;
  }

  void grow() {
    slots_.assign(slots_.size() * 2, 0);
    for (uint32_t i = 0; i < nodes_.size(); ++i) place(i);
  }

  std::string keysTo(uint32_t index, int lastTurn) const {
    std::vector<const char*> turns{kTurns[lastTurn]};
    for (uint32_t i = index; i != 0; i = nodes_[i].parent) turns.push_back(kTurns[nodes_[i].turn]);
    std::string keys;
    for (auto it = turns.rbegin(); it != turns.rend(); ++it) keys += *it;
    return keys;
  }

  int turnsTo(uint32_t index) const {
    int turns = 0;
    for (uint32_t i = index; i != 0; i = nodes_[i].parent) ++turns;
    return turns;
  }

  SolveOptions options_;
  Session start_;
  Grid startMap_{};
  std::vector<Node> nodes_;
  std::vector<char> arena_;
  std::vector<uint32_t> slots_;  // open addressing: node index + 1, 0 = empty
  std::string key_;
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

}  // namespace quobbles::solver
