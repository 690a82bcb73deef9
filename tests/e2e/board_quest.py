#!/usr/bin/env python3
"""Writes a small QST102 quest for the board tests: three rooms, open ground, one door
of every kind and a few objects (a hero with a badge, a monster, furniture)."""
import sys

W, H = 26, 19
floor = [[8] * W for _ in range(H)]
door = [[0] * (W + 1) for _ in range(H + 1)]
objmap = [[0] * W for _ in range(H)]


def fill(code, x1, y1, x2, y2):
    for y in range(y1, y2 + 1):
        for x in range(x1, x2 + 1):
            floor[y][x] = code


fill(2, 1, 1, 7, 6)      # room A
fill(5, 10, 1, 16, 6)    # room B
fill(3, 1, 9, 8, 15)     # room C
fill(1, 19, 0, 25, 18)   # open ground
door[3][10] = 1          # open door, west edge of (10, 3)
door[2][8] = 2           # red door, west edge of (8, 2)
door[9][3] = 4 << 4      # blue door, north edge of (3, 9)
door[5][19] = 8          # hidden door, west edge of (19, 5)

# name, side, exp, picture (number, dx, dy, orientation, shadow, light), x, y
objects = [
    ("Barbarian", 1, 120, (1, 2, 2, 0, 2, 0), 3, 3),
    # A quest has its four heroes in slots 1 to 4; these three stay off the board.
    ("Dwarf", 1, 0, (2, 2, 2, 0, 2, 0), None, None),
    ("Elf", 1, 0, (3, 2, 2, 0, 2, 0), None, None),
    ("Wizard", 1, 0, (4, 2, 2, 0, 2, 0), None, None),
    ("Orc", 3, 0, (12, 2, 2, 0, 2, 0), 12, 3),
    ("Treasure Chest", 10, 0, (40, 2, 2, 0, 2, 0), 5, 5),
    ("Table", 10, 0, (31, 2, 2, 0, 3, 0), 3, 12),
    ("Pillar", 10, 0, (30, 2, 2, 0, 2, 0), 22, 8),
]

out = ["QST102", "|", "| DUNMARROW QUEST FILE", "|",
       "series    boardtest", "quest     Board Test", "author    Tester",
       "chapter   1,1", "map w,h   26,19", "hero's    1,0,0,0",
       "qstdata   1,12,0,0,0,0", "savdata   0,0,0,0,0,0",
       "briefing  Look at the board.", "defeat    Lost.", "victory   Won.", "|"]
for n, (name, side, exp, pic, x, y) in enumerate(objects, 1):
    out += ["| %d" % n, "name      " + name,
            "property  %d,%d,0,0" % (side, exp),
            "attribute 8,8,3,3,2,2,8,8,3,3",
            "inventory 10,0,0,0,0,0,0,0,0,0",
            "picture   " + ",".join(str(v) for v in pic),
            "scriptvar 0,0,0,0,0,0", "scripttxt -", "scripttxt -", "|"]
    if x is not None:
        objmap[y][x] = n


def rows(grid):
    return ["".join("%03d," % v for v in row) for row in grid]


out += ["# map data:", "|", "| Floor map:"] + rows(floor)
out += ["|", "| Door map:"] + rows(door)
out += ["|", "| Object map:"] + rows(objmap)
out += ["|", "| Visibility map:"] + rows([[0] * W for _ in range(H)])
out += ["|", "| Look/Walk script map:"] + rows([[0] * W for _ in range(H)])
out += ["|", "| End of file."]
with open(sys.argv[1], "w") as f:
    f.write("\n".join(out) + "\n")
