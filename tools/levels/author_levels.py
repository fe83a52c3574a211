#!/usr/bin/env python3
"""Builds the hand-made level files Assets/Level/Level01.txt and Level02.txt from the
character maps below, choosing the joining piece of every road, yard, hill, cliff and
lake cell from its neighbours (the joining scheme is in docs/tiles.md).

Run from the repository root:  python3 tools/levels/author_levels.py

Map characters:
  .  grass (plain, with a few flower and weed variants)   T  a tree (the kind varies)
  a  apple tree              t  tree stump
  H  house (camp)            K  cottage (camp)
  f  wheat field             =  road                        E  earth yard
  h  green hill              P  path over a two-row hill    c  cliff edge of a plateau
  i  plateau top (an invisible wall: the plateau cannot be climbed)
  w  lake                    ~  river water                 b  bridge over the river
"""
import sys

N, E, S, W = (-1, 0), (0, 1), (1, 0), (0, -1)
COLS, ROWS = 30, 17

GRASS = [1, 1, 1, 48, 1, 48, 1, 49, 1, 48, 1, 1, 81]
TREES = [26, 27, 28, 40, 50, 51, 27, 53, 54, 55, 26, 52, 56, 29]

ROAD = {  # joined sides -> piece
    frozenset("EW"): 2, frozenset("NS"): 3, frozenset("NESW"): 140,
    frozenset("WNE"): 13, frozenset("WSE"): 15, frozenset("NES"): 14, frozenset("NWS"): 16,
    frozenset("NE"): 10, frozenset("ES"): 12, frozenset("SW"): 11, frozenset("WN"): 9,
    frozenset("W"): 6, frozenset("E"): 8, frozenset("N"): 5, frozenset("S"): 7,
}
HILL = {  # sides where the hill continues -> piece
    frozenset("ES"): 32, frozenset("ESW"): 33, frozenset("SW"): 34,
    frozenset("NES"): 42, frozenset("NESW"): 36, frozenset("NSW"): 43,
    frozenset("NE"): 35, frozenset("NEW"): 38, frozenset("NW"): 37,
}
CLIFF = {  # sides that lie outside the plateau -> piece
    frozenset("N"): 22, frozenset("S"): 23, frozenset("W"): 19, frozenset("E"): 20,
    frozenset("NW"): 24, frozenset("NE"): 18, frozenset("SW"): 21, frozenset("SE"): 25,
}
LAKE = {  # shore sides -> piece
    frozenset("NW"): 109, frozenset("N"): 110, frozenset("NE"): 111, frozenset("W"): 112,
    frozenset(""): 113, frozenset("SW"): 115, frozenset("S"): 116, frozenset("SE"): 117,
}


def noise(r, c, salt):
    h = (r * 73856093) ^ (c * 19349663) ^ (salt * 83492791)
    h = (h ^ (h >> 13)) * 0x5BD1E995 & 0xFFFFFFFF
    return h ^ (h >> 15)


def build(rows, salt):
    assert len(rows) == ROWS, f"{len(rows)} rows"
    for i, row in enumerate(rows):
        assert len(row) == COLS, f"row {i} has {len(row)} cells"

    def ch(r, c):
        if 0 <= r < ROWS and 0 <= c < COLS:
            return rows[r][c]
        return None

    def sides(r, c, test, off_map):
        out = set()
        for name, (dr, dc) in zip("NESW", (N, E, S, W)):
            v = ch(r + dr, c + dc)
            if (v is None and off_map(name)) or (v is not None and test(v, name)):
                out.add(name)
        return out

    codes = []
    for r in range(ROWS):
        for c in range(COLS):
            v = rows[r][c]
            n = noise(r, c, salt)
            if v == ".":
                code = GRASS[n % len(GRASS)]
            elif v == "T":
                code = TREES[n % len(TREES)]
            elif v == "t":
                code = 31
            elif v == "a":
                code = 40 if (r + c) % 2 else 44  # apple trees of an orchard
            elif v == "H":
                code = 30
            elif v == "K":
                code = 82
            elif v == "f":
                code = 83
            elif v == "=":
                road = lambda x, side: x in "=EbP" and (x != "P" or side in "NS")
                joined = sides(r, c, road, lambda side: False)
                # A road that touches the border runs off the map in a straight line.
                for name, (dr, dc), opposite in (("N", N, "S"), ("S", S, "N"), ("W", W, "E"), ("E", E, "W")):
                    if ch(r + dr, c + dc) is None and opposite in joined and len(joined) == 1:
                        joined.add(name)
                if frozenset(joined) not in ROAD:
                    raise SystemExit(f"road at row {r}, column {c} joins nothing")
                code = ROAD[frozenset(joined)]
                if code == 2 and n % 7 == 0:
                    code = 46  # a puddle
                if code == 3 and n % 7 == 0:
                    code = 47  # grass between the ruts
            elif v == "E":
                grass = sides(r, c, lambda x, side: x not in "E=", lambda side: True)
                roads = sides(r, c, lambda x, side: x == "=", lambda side: False)
                inside = lambda dr, dc: ch(r + dr, c + dc) == "E"
                if roads:
                    assert len(roads) == 1 and len(grass) == 0, f"road into a yard corner at {r},{c}"
                    code = {"N": 74, "E": 73, "S": 76, "W": 75}[roads.pop()]
                elif grass:
                    code = {frozenset("N"): 63, frozenset("E"): 57, frozenset("S"): 59, frozenset("W"): 61,
                            frozenset("NE"): 66, frozenset("ES"): 65, frozenset("SW"): 67,
                            frozenset("NW"): 68}[frozenset(grass)]
                    if code in (63, 57, 61) and n % 4 == 0:
                        code = {63: 64, 57: 58, 61: 60}[code]  # stones on the earth
                else:
                    code = 4
                    for (dr, dc), nub in (((-1, 1), 69), ((1, 1), 70), ((1, -1), 71), ((-1, -1), 72)):
                        if not inside(dr, dc):
                            code = nub
            elif v in "hP":
                if v == "P":
                    up, down = ch(r - 1, c), ch(r + 1, c)
                    code = 41 if down == "P" else 39
                    assert (down == "P") != (up == "P"), f"a hill path is two cells tall at {r},{c}"
                else:
                    code = HILL[frozenset(sides(r, c, lambda x, side: x in "hP", lambda side: False))]
            elif v == "c":
                outside = sides(r, c, lambda x, side: x not in "ci", lambda side: False)
                code = CLIFF[frozenset(outside)]
            elif v == "i":
                code = 141
            elif v == "w":
                code = LAKE[frozenset(sides(r, c, lambda x, side: x != "w", lambda side: True))]
            elif v == "~":
                code = 17
            elif v == "b":
                joined = sides(r, c, lambda x, side: x in "=b", lambda side: False)
                code = 95 if joined & set("EW") else 96
            else:
                raise SystemExit(f"unknown map character {v!r} at {r},{c}")
            codes.append(code)
    return codes


OBSTACLES = set(range(17, 30)) | set(range(31, 39)) | {40} | set(range(42, 45)) | set(range(50, 57)) \
    | set(range(99, 118)) | set(range(124, 132)) | {141, 142}


def check_reachable(name, codes):
    """Every walkable cell must be reachable: units and crates may be placed on any of them."""
    start = next(i for i, code in enumerate(codes) if code not in OBSTACLES)
    seen, stack = {start}, [start]
    while stack:
        p = stack.pop()
        r, c = divmod(p, COLS)
        for dr, dc in (N, E, S, W):
            if 0 <= r + dr < ROWS and 0 <= c + dc < COLS:
                q = (r + dr) * COLS + c + dc
                if q not in seen and codes[q] not in OBSTACLES:
                    seen.add(q)
                    stack.append(q)
    cut_off = [divmod(i, COLS) for i, code in enumerate(codes) if code not in OBSTACLES and i not in seen]
    if cut_off:
        raise SystemExit(f"{name}: cells (row, column) {cut_off} cannot be reached")


def write(path, codes):
    with open(path, "w") as out:
        out.write("TileType\n")
        for r in range(ROWS):
            out.write("".join("%02d " % code for code in codes[r * COLS:(r + 1) * COLS]) + "\n")


# Level 1: a gentle green valley. The road from the west bends into the village yard and
# leaves east towards the enemy camp; a path climbs to the lake and another crosses the hill.
LEVEL_01 = [
    #         1         2
    #12345678901234567890123456789
    "TTTTT.T..TT.TTT.ciiic.TTT.TTTT",
    "TTT.T.T...T..TT.ciiic..TT.TTTT",
    "TTt..........T..ccccc.......TT",
    "T.......wwwww=====...ffff....T",
    "........wwwww....=...ffff..hhh",
    "..T......T.......=.........hhh",
    ".....T........H..=.K..T....hhh",
    "..............EEEEEE..........",
    "......========EEEEEE=====.....",
    "=======.......EEEEEE....=..K..",
    ".....ffff.....EEEEEE....======",
    ".....ffff..T...H..=....T......",
    "..T..a.a..t.......=..........T",
    "TT....a.a.....hhhhPhh......T..",
    "TTTt..........hhhhPhh.....TT.T",
    "TTTTT...TT.T..TTT.=..TTt.TTTTT",
    "TTTTTT.TTTTT.TTTT.=.TTTTTTTTTT",
]

# Level 2: harder ground. A river cuts the map, crossed by two bridges; a walled plateau
# splits the middle, so the roads run round it past a hill and through the woods.
LEVEL_02 = [
    #         1         2
    #12345678901234567890123456789
    "TTTT.....TTTT.~~.TTTTTTTTTTTTT",
    "TTT..wwww.TTT.~~..TTTTTTTT.TTT",
    "TT..twwww.T...~~...TTTTT...T.T",
    "T......T...T..~~=========.....",
    "====.........~~~=.......=..TT.",
    "...=.....====bb==.ccccc.=...T.",
    "...=..H..=...~~...ciiic.=...T.",
    "...=======...~~...ciiic.===...",
    "...=.....=.T~~~.t.ciiicT..=...",
    "...=.hhh.=..~~...Tccccc...=..T",
    "...=.hhh.=T.~~..TTT....T..=..T",
    "...=.hhh.=..~~..TT.T...T..=.K.",
    "...=========bbb============...",
    ".TT..........~~..TT.hhPhh.=...",
    "TTTT..fff....~~TTTT.hhPhh.=ccc",
    "TTTTT.fff.tTt~~TTTTT..=...=cii",
    "TTTTT.....TTT~~TTTTT.T=...=cii",
]

if __name__ == "__main__":
    for name, rows, salt in (("Level01", LEVEL_01, 1), ("Level02", LEVEL_02, 2)):
        codes = build(rows, salt)
        check_reachable(name, codes)
        write(f"Assets/Level/{name}.txt", codes)
