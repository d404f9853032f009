#!/usr/bin/env python3
"""Writes the full-size level the solver benchmark searches: 50 x 50 squares of open floor with
18 % permanent walls scattered by a seeded generator, six hangers, two remove-block pick-ups, the
exit in the bottom-right corner and the start in the top-left corner with both its neighbours open.

The generator is written out here (splitmix64) rather than taken from a library, so the same seed
gives the same map on every machine and every Python version.

    bench/full_map.py [SEED] > bench/full_map.txt
"""
import sys

SIZE = 50
WALL_SHARE = 0.18
HANGERS = [(10, 10), (30, 5), (20, 40), (45, 20), (5, 35), (25, 25)]
REMOVE_BLOCKS = [(12, 30), (40, 40)]
EXIT = (49, 49)
OPEN = [(0, 0), (1, 0), (0, 1)]  # the start and its two neighbours
DEFAULT_SEED = 13


def splitmix64(seed):
    state = seed & 0xFFFFFFFFFFFFFFFF
    while True:
        state = (state + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF
        z = state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & 0xFFFFFFFFFFFFFFFF
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & 0xFFFFFFFFFFFFFFFF
        yield z ^ (z >> 31)


def full_map(seed):
    rows = [['.'] * SIZE for _ in range(SIZE)]
    for x, y in HANGERS:
        rows[y][x] = 'H'
    for x, y in REMOVE_BLOCKS:
        rows[y][x] = 'r'
    rows[EXIT[1]][EXIT[0]] = 'E'
    reserved = set(HANGERS) | set(REMOVE_BLOCKS) | set(OPEN) | {EXIT}
    # Every other square in reading order, shuffled (Fisher-Yates); the first 18 % of all squares
    # become walls.
    free = [(x, y) for y in range(SIZE) for x in range(SIZE) if (x, y) not in reserved]
    numbers = splitmix64(seed)
    for i in range(len(free) - 1, 0, -1):
        j = next(numbers) % (i + 1)
        free[i], free[j] = free[j], free[i]
    for x, y in free[:round(SIZE * SIZE * WALL_SHARE)]:
        rows[y][x] = '#'
    return [''.join(row) for row in rows]


def main():
    seed = int(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_SEED
    print('; The solver benchmark\'s full-size map, written by bench/full_map.py with seed %d.' % seed)
    print('; 18 % permanent walls, six hangers, two remove-block pick-ups, the exit at (49, 49).')
    print('name: Full-size map %d' % seed)
    print('code: 0')
    print('status: 0')
    print('fill: .')
    print('map:')
    for row in full_map(seed):
        print(row)


if __name__ == '__main__':
    main()
