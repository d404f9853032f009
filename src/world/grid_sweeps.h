// Sweeping the map many squares at a time. Most squares of a map hold nothing that moves, so the
// full-map sweeps of the world find the squares they must act on (a code, or a state byte that is
// not 0) sixteen or more squares at a time and look only at those, still in reading order and only
// inside the map's extent (0..MapMax), as a square-by-square sweep would.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "state/game_state.h"
#include "state/tiles.h"

namespace quobbles::world::sweeps {

static_assert(std::endian::native == std::endian::little, "squares are found from the low byte up");

// Sixteen squares of a grid, compared all at once (the compiler's vector extension). A comparison
// gives a block of all-ones bytes where it holds and zero bytes elsewhere.
constexpr int kBlock = 16;
typedef uint8_t Block __attribute__((vector_size(kBlock)));

// Up to sixteen squares from `p`; squares past `count` read as 0.
inline Block load(const uint8_t* p, int count = kBlock) {
  Block b{};
  if (count == kBlock)
    std::memcpy(&b, p, kBlock);
  else
    std::memcpy(&b, p, static_cast<std::size_t>(count));
  return b;
}

// One bit per square of a comparison's result (bit k for square k of the block), set where it holds.
template <class V>
inline uint32_t bits(V holds) {
#if defined(__SSE2__)
  return static_cast<uint32_t>(_mm_movemask_epi8((__m128i)holds));
#else
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kGather = 0x0102040810204080ULL;
  uint64_t half[2];
  std::memcpy(half, &holds, sizeof half);
  // Each byte 0 or 1; the product gathers byte k's bit into bit 56 + k.
  const uint64_t low = (half[0] & kOnes) * kGather >> 56, high = (half[1] & kOnes) * kGather >> 56;
  return static_cast<uint32_t>(low | high << 8);
#endif
}

// The codes that have a rule, from the tile table.
template <uint16_t Rule>
inline constexpr auto kCodesWithRule = [] {
  constexpr std::size_t n = static_cast<std::size_t>(
      std::count_if(kTiles.begin(), kTiles.end(), [](const Tile& t) { return (t.rules & Rule) != 0; }));
  std::array<uint8_t, n> codes{};
  std::size_t i = 0;
  for (const Tile& t : kTiles)
    if ((t.rules & Rule) != 0) codes[i++] = t.code;
  return codes;
}();

// Whether any square of the block is nonzero.
inline bool any(Block b) {
  return bits(b == 0) != 0xFFFF;
}

// One bit per nonzero square of the block.
inline uint64_t nonzero(Block b) {
  return bits(b != 0);
}

// Calls f(first, end) for the runs of squares that make up the map's extent (x 0..MapMax.x,
// y 0..MapMax.y), in reading order: a map as wide as the grid is one run, a narrower one a run
// per row.
template <class F>
void forEachSpan(const GameState& g, F&& f) {
  if (g.MapMax.x < 0 || g.MapMax.y < 0) return;
  const int width = std::min<int>(g.MapMax.x, kMapSize - 1) + 1;
  const int rows = std::min<int>(g.MapMax.y, kMapSize - 1) + 1;
  if (width == kMapSize) return f(0, rows * kMapSize);
  for (int y = 0; y < rows; ++y) f(y * kMapSize, y * kMapSize + width);
}

// Calls visit(square) in reading order for every square of the map's extent that holds `code`
// (the library's memchr finds them, many squares at a time).
template <class Visit>
void forEachCode(const GameState& g, uint8_t code, Visit&& visit) {
  const uint8_t* grid = g.level.MapGrid.data();
  forEachSpan(g, [&](int first, int end) {
    for (const uint8_t* p = grid + first; p < grid + end; ++p) {
      p = static_cast<const uint8_t*>(std::memchr(p, code, static_cast<std::size_t>(grid + end - p)));
      if (p == nullptr) return;
      visit(static_cast<int>(p - grid));
    }
  });
}

// Whether any square of the map's extent holds `code`.
inline bool anyCode(const GameState& g, uint8_t code) {
  const uint8_t* grid = g.level.MapGrid.data();
  bool found = false;
  forEachSpan(g, [&](int first, int end) {
    found = found || std::memchr(grid + first, code, static_cast<std::size_t>(end - first)) != nullptr;
  });
  return found;
}

// Whether any square of the map's extent holds a code with the rule.
template <uint16_t Rule>
bool anyCodeWithRule(const GameState& g) {
  for (uint8_t c : kCodesWithRule<Rule>)
    if (anyCode(g, c)) return true;
  return false;
}

// Calls visit(square) in reading order for every square of the map's extent where
// test(index, count) is nonzero. The test looks at the `count` squares (at most sixteen) from
// `index` at once and returns a block with a nonzero byte for each square to visit; squares of a
// shorter block read as 0 in the grids. Runs of 64 squares in which the test finds nothing are
// passed over with one branch.
template <class Test, class Visit>
void forEachFound(const GameState& g, Test&& test, Visit&& visit) {
  forEachSpan(g, [&](int first, int end) {
    for (int i = first; i < end; i += 4 * kBlock) {
      uint64_t found = 0;
      if (end - i >= 4 * kBlock) {
        const Block b0 = test(i, kBlock), b1 = test(i + kBlock, kBlock), b2 = test(i + 2 * kBlock, kBlock),
                    b3 = test(i + 3 * kBlock, kBlock);
        if (!any(b0 | b1 | b2 | b3)) continue;
        found = nonzero(b0) | nonzero(b1) << kBlock | nonzero(b2) << 2 * kBlock | nonzero(b3) << 3 * kBlock;
      } else {
        for (int j = 0; i + j < end; j += kBlock)
          found |= nonzero(test(i + j, std::min(kBlock, end - i - j))) << j;
      }
      for (; found != 0; found &= found - 1) visit(i + std::countr_zero(found));
    }
  });
}

}  // namespace quobbles::world::sweeps
