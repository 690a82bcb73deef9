#!/usr/bin/env python3
"""Writes data/Dunmar.qpf, the prefab table, from the table below.

Run from anywhere: python3 tools/prefabs/make_qpf.py
Slots with fixed roles: 1-4 heroes; 7, 25-29, 31-36, 38-40, 42, 47, 50, 51, 52 and 56
are placed by the dungeon builder by number; 11-20 are the monsters it places; 12 is
the default wandering monster; 44 is what a trap bomb leaves behind. The monsters
stand together in slots 8-24.
"""
import os

HERO, ALLIED, GREEN, UNDEAD, CHAOS, FROZEN = 1, 2, 3, 4, 5, 6
STATIC, LOOK, WALK = 10, 11, 12

# Picture size class -> (offset x, offset y) inside the anchor tile.
SIZES = {
    'tile': (2, 2),   # 20 x 20
    'wide': (2, 2),   # 45 x 20, anchor is the left tile
    'long': (-23, 2), # 70 x 20, anchor is the middle tile
    'big': (2, 2),    # 45 x 45, anchor is the top-left tile
}


def rec(name, side, pic, size='tile', stats=(0, 0, 0, 0, 0), gold=0, red=0, blue=0,
        script=(0, 0, 0, 0, 0, 0), text1='-', text2='-', shadow=2):
    assert len(name) <= 15, name
    assert len(text1) <= 80 and len(text2) <= 80, name
    walk, off, dfn, life, mind = stats
    ox, oy = SIZES[size]
    return dict(name=name, side=side, stats=(walk, off, dfn, life, mind),
                inv=(gold, red, blue, 0, 0, 0, 0, 0, 0, 0),
                pic=(pic, ox, oy, 0, shadow, 0), script=script, text1=text1, text2=text2)


def hero(name, pic, stats, gold=40):
    return rec(name, HERO, pic, stats=stats, gold=gold)


def monster(name, side, pic, stats, gold=0):
    return rec(name, side, pic, stats=stats, gold=gold)


def search(name, pic, size='tile'):
    # "treasure card": searching may find gold, a potion, a trap bomb or a monster.
    return rec(name, STATIC, pic, size, script=(19, 0, 0, 0, 0, 0))


def trap(name, pic, text):
    # A walk script: 50% chance to lose one life when a hero steps on it.
    return rec(name, WALK, pic, script=(7, 0, 0, 0, 0, 0), text1=text, shadow=0)


TABLE = {
    # The four heroes: two fighters, two with a magical attack (negative offence).
    1: hero('Barbarian', 1, (8, 3, 2, 9, 4)),
    2: hero('Dwarf', 2, (6, 3, 3, 8, 4)),
    3: hero('Elf', 3, (8, -2, 2, 7, 6)),
    4: hero('Wizard', 4, (7, -3, 1, 6, 7)),
    5: rec('Prisoner', ALLIED, 5, stats=(5, 1, 1, 3, 2)),
    6: rec('Exit', STATIC, 6, script=(22, 1, 0, 0, 0, 0),
           text1='You step through the gate and leave these halls behind.'),
    7: rec('Merchant', STATIC, 7, script=(21, 1, 0, 0, 0, 13),
           text1='"Welcome, stranger! Fine goods for brave adventurers."'),
    # Monsters, one unbroken run (8-24).
    8: monster('Ice Imp', FROZEN, 8, (8, 2, 1, 1, 2), gold=5),
    9: monster('Frost Troll', FROZEN, 9, (5, 4, 3, 4, 1), gold=20),
    10: monster('Ice Witch', FROZEN, 10, (6, -3, 2, 3, 4), gold=30),
    11: monster('Goblin', GREEN, 11, (8, 2, 1, 1, 1), gold=5),
    12: monster('Orc', GREEN, 12, (7, 3, 2, 2, 1), gold=10),
    13: monster('Fimir', CHAOS, 13, (6, 3, 3, 2, 2), gold=15),
    14: monster('Goblin Shaman', GREEN, 14, (7, -2, 1, 1, 3), gold=15),
    15: monster('Orc Chieftain', GREEN, 15, (7, 4, 3, 4, 2), gold=50),
    16: monster('Skeleton', UNDEAD, 16, (6, 2, 2, 1, 1)),
    17: monster('Zombie', UNDEAD, 17, (4, 2, 3, 2, 1)),
    18: monster('Mummy', UNDEAD, 18, (4, 3, 4, 3, 2), gold=10),
    19: monster('Chaos Warrior', CHAOS, 19, (6, 4, 4, 3, 3), gold=25),
    20: monster('Chaos Sorcerer', CHAOS, 20, (7, -3, 2, 3, 4), gold=60),
    21: monster('Wraith', UNDEAD, 21, (7, -2, 3, 2, 4)),
    22: monster('Beastman', CHAOS, 22, (8, 3, 2, 3, 1), gold=10),
    23: monster('Yeti', FROZEN, 23, (7, 4, 2, 4, 1)),
    24: monster('Ice Golem', FROZEN, 24, (3, 4, 4, 5, 4)),
    # Artifacts: the dungeon builder may hide a Healing Potion in them.
    25: rec('Alchemy Bench', STATIC, 25, 'wide'),
    26: rec('Altar', STATIC, 26, 'wide'),
    27: rec('Bookcase', STATIC, 27, 'long'),
    # Furniture.
    28: rec('Weapon Rack', STATIC, 28, 'long'),
    29: rec('Throne', STATIC, 29, 'big', shadow=3),
    30: rec('Pillar', STATIC, 30),
    31: rec('Table', STATIC, 31, 'big', shadow=3),
    32: search('Crates', 32),
    33: rec('Fireplace', STATIC, 33, 'long'),
    34: search('Cupboard', 34, 'wide'),
    35: rec('Tomb', STATIC, 35, 'wide'),
    36: rec('Torture Rack', STATIC, 36, 'wide'),
    37: rec('Statue', STATIC, 37),
    38: rec('Barrel', STATIC, 38),
    39: rec('Bones', STATIC, 39, shadow=1),
    # Treasure: the dungeon builder sets the gold of every closed chest (picture 40).
    40: rec('Treasure Chest', STATIC, 40, gold=25, script=(1, 0, 41, 0, 0, 13),
            text1='You open the chest.'),
    41: rec('Open Chest', STATIC, 41),
    42: rec('Fountain', STATIC, 42, script=(2, 0, 43, 8, 4, 13),
            text1='You drink from the fountain.', text2='Its water heals up to 4 lost life.'),
    43: rec('Dry Fountain', STATIC, 43),
    44: rec('Spent Trap Bomb', STATIC, 44, shadow=0),
    45: rec('Trap Door', STATIC, 45, script=(20, 1, 0, 0, 0, 0), shadow=0,
            text1='You climb down the trap door and crawl through a tunnel...'),
    46: trap('Pit Trap', 46, 'The floor gives way under your feet!'),
    47: search('Rubble', 47),
    48: rec('Lever', STATIC, 48, script=(24, 0, 0, 0, 0, 3),
            text1='The lever moves with a grinding noise.', text2='Somewhere a passage opens.'),
    49: rec('Retreat Point', STATIC, 49, script=(23, 1, 0, 0, 0, 0)),
    50: trap('Dart Trap', 50, 'Darts fly out of the walls!'),
    51: rec('Stairs Down', STATIC, 51, 'big', shadow=0),
    52: rec('Stairs Up', STATIC, 52, 'big', shadow=0),
    53: rec('Magic Circle', STATIC, 53, 'big', shadow=0, script=(2, 0, 0, 9, 3, 9),
            text1='The runes flare up and clear your mind.', text2='Up to 3 lost mind is restored.'),
    54: rec('Red Key Chest', STATIC, 40, red=1, script=(1, 0, 41, 0, 0, 13),
            text1='Inside the chest lies a red key.'),
    55: rec('Blue Key Chest', STATIC, 40, blue=1, script=(1, 0, 41, 0, 0, 13),
            text1='Inside the chest lies a blue key.'),
    56: trap('Arrow Trap', 50, 'An arrow shoots out of a crack in the wall!'),
}


def block(slot, r):
    walk, off, dfn, life, mind = r['stats']
    attrs = (walk, walk, off, off, dfn, dfn, life, life, mind, mind)
    join = lambda vals: ','.join(str(v) for v in vals)
    return ''.join([
        '| %d\n' % slot,
        'name      %s\n' % r['name'],
        'property  %d,0,0,0\n' % r['side'],
        'attribute %s\n' % join(attrs),
        'inventory %s\n' % join(r['inv']),
        'picture   %s\n' % join(r['pic']),
        'scriptvar %s\n' % join(r['script']),
        'scripttxt %s\n' % r['text1'],
        'scripttxt %s\n' % r['text2'],
    ])


def main():
    slots = sorted(TABLE)
    assert slots == list(range(1, len(slots) + 1)), 'slots must run without gaps'
    out = ['QPF102\n',
           '| Dunmarrow prefab objects: heroes, monsters, furniture, treasure and traps.\n',
           '| One block per slot, starting at slot 1.\n']
    for s in slots:
        out.append(block(s, TABLE[s]))
    out.append('|\n')
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    with open(os.path.join(root, 'data', 'Dunmar.qpf'), 'w', newline='\n') as f:
        f.write(''.join(out))


if __name__ == '__main__':
    main()
