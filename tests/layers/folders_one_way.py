"""The game's folders include one another in one direction only: no folder reaches back, through
any chain of includes, into a folder that includes it."""

import os
import re
import sys

GAME_FOLDERS = ["app", "board", "completion", "savegame", "ui", "maker", "puzzle", "settings",
                "view", "library"]
INCLUDE = re.compile(r'^#include "([a-z_]+)/', re.MULTILINE)


def folder_uses(root):
    """For each game folder, the other game folders its files include."""
    uses = {}
    for folder in GAME_FOLDERS:
        found = set()
        for name in os.listdir(os.path.join(root, folder)):
            with open(os.path.join(root, folder, name), encoding="utf-8") as source:
                found.update(INCLUDE.findall(source.read()))
        uses[folder] = sorted(found.intersection(GAME_FOLDERS) - {folder})
    return uses


def path_between(uses, start, goal, seen):
    """A chain of includes from start to goal, or None."""
    if start == goal:
        return [goal]
    seen.add(start)
    for used in uses[start]:
        if used not in seen:
            rest = path_between(uses, used, goal, seen)
            if rest:
                return [start] + rest
    return None


def main():
    uses = folder_uses(sys.argv[1])
    circles = []
    for folder in GAME_FOLDERS:
        for used in uses[folder]:
            back = path_between(uses, used, folder, set())
            if back:
                circles.append(" -> ".join([folder] + back))
    for circle in circles:
        print("folders include each other:", circle)
    sys.exit(1 if circles else 0)


main()
