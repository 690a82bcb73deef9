#!/usr/bin/env python3
"""Keeps the folders under src/ in their floors: a file may include headers of its own
folder and of the folders below it, never of a folder above it, and no two folders may
reach each other through a chain of includes.

    python3 tools/check_layers.py [SRC_DIR]

Prints one line for every include that breaks the order (file, line and the include)
and exits 1; prints a one-line summary and exits 0 when the tree is in order.
"""
import os
import re
import sys

# The floors, from the ground up. A folder may include itself and any folder with a
# lower number. dungeon/maze stands apart: it may include the ground and nothing else,
# so that the maze library can be lifted out whole.
LAYERS = [
    ("core", 0),      # platform seam, random numbers, datafile, options, program state
    ("quest", 1),     # the quest model, quest and prefab files, paths
    ("ui", 2),        # the dialog toolkit
    ("render", 3),    # board, screen, panels, message line
    ("dungeon/maze", 1),
    ("dungeon", 4),   # layout generators and board access
    ("rules", 5),     # the play loop and everything a hero or monster does
    ("campaign", 6),  # chapters, party, shops, Hall of Fame
    ("editor", 7),    # the quest editor
    ("shell", 8),     # start-up, main menu and mode flow, display hooks, file dialogs
]
# Folders a folder may include besides the ones below it.
EXTRA = {"dungeon": {"dungeon/maze"}}
# Folders a folder may not include although they stand lower.
FORBIDDEN = {"dungeon/maze": {"quest"}}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def folder_of(path):
    """The layer a path under src/ (or an include such as "ui/text.h") belongs to."""
    path = path.replace(os.sep, "/")
    for name, _ in LAYERS:  # longer names first where they nest: dungeon/maze before dungeon
        if path == name or path.startswith(name + "/"):
            return name
    head = path.split("/", 1)[0]
    return head if "/" in path else None


def rank(name):
    return dict(LAYERS).get(name)


def may_include(src, dst):
    if src == dst or dst in EXTRA.get(src, ()):
        return True
    if dst in FORBIDDEN.get(src, ()):
        return False
    if src == "dungeon/maze":
        return dst == "core"
    return rank(dst) < rank(src)


def find_loop(edges):
    """A loop among folders as a list of names, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                loop = visit(nxt)
                if loop:
                    return loop
        stack.pop()
        state[node] = 2
        return None

    for node in sorted(edges):
        if node not in state:
            loop = visit(node)
            if loop:
                return loop
    return None


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "src")
    src = os.path.normpath(src)
    problems = []
    edges = {}
    first_seen = {}
    files = 0
    for root, _, names in os.walk(src):
        for name in sorted(names):
            if not name.endswith((".h", ".cpp", ".c", ".hpp")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src).replace(os.sep, "/")
            own = folder_of(rel)
            if own is None or rank(own) is None:
                problems.append("%s: folder '%s' has no floor in the layer table of %s"
                                % (rel, rel.rsplit("/", 1)[0] if "/" in rel else ".",
                                   os.path.relpath(__file__)))
                continue
            files += 1
            with open(path, encoding="latin-1") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = folder_of(m.group(1))
                    if target is None:
                        continue  # a header beside the file, or a system one
                    if rank(target) is None:
                        problems.append('%s:%d: #include "%s" names folder \'%s\', which has '
                                        "no floor" % (rel, number, m.group(1), target))
                        continue
                    if target != own:
                        edges.setdefault(own, set()).add(target)
                        first_seen.setdefault((own, target), "%s:%d" % (rel, number))
                    if not may_include(own, target):
                        problems.append('%s:%d: #include "%s" reaches up from %s to %s'
                                        % (rel, number, m.group(1), own, target))
    loop = find_loop(edges)
    if loop:
        steps = ", ".join("%s -> %s (%s)" % (a, b, first_seen[(a, b)])
                          for a, b in zip(loop, loop[1:]))
        problems.append("folders include each other in a loop: " + steps)
    if problems:
        for p in problems:
            print(p)
        print("Layering broken: %d problem(s). Each folder may include only the folders "
              "below it (see the table in tools/check_layers.py and ARCHITECTURE.md)."
              % len(problems))
        return 1
    print("Layering in order: %d files, %d folder links, no upward include, no loop."
          % (files, sum(len(v) for v in edges.values())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
