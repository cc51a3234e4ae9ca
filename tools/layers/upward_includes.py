#!/usr/bin/env python3
"""List every #include in src/ that reaches a folder on a higher floor than the includer's.

The floors, from the ground up: the built-in assets, the platform layer in place of the desktop,
the game record, the random generator (the control helpers draw from it too), the control
helpers, the subsystems with the screen switch (which may call each other sideways), the window
procedure with start-up and shut-down, and the Qt program that drives it all.

Usage: tools/layers/upward_includes.py [source root]   (default: src/ beside this script)
Prints one line per upward include, then the totals; exits 1 when there is any.
"""

import os
import re
import sys

FLOORS = {
    'assets': 0,
    'platform': 1,
    'game': 2,
    'random': 3,
    'controls': 4,
    'drill': 5, 'animation': 5, 'memory': 5, 'colour': 5, 'audio': 5, 'store': 5, 'screens': 5,
    'players': 5, 'progress': 5,
    'app': 6,
    'qt': 7,
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def folder_of(path):
    """The floor-bearing folder of a path relative to src/: its first part."""
    return path.split('/')[0]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'src')
    root = os.path.normpath(root)
    upward = []
    unknown = set()
    for directory, _, files in sorted(os.walk(root)):
        for name in sorted(files):
            if not name.endswith(('.h', '.cpp')):
                continue
            path = os.path.relpath(os.path.join(directory, name), root)
            mine = folder_of(path)
            with open(os.path.join(root, path), encoding='utf-8') as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    theirs = folder_of(match.group(1))
                    if mine not in FLOORS or theirs not in FLOORS:
                        unknown.update(f for f in (mine, theirs) if f not in FLOORS)
                        continue
                    if FLOORS[theirs] > FLOORS[mine]:
                        upward.append((path, number, match.group(1), mine, theirs))
    for path, number, target, mine, theirs in upward:
        print(f'{path}:{number}: includes {target} ({mine} -> {theirs})')
    edges = sorted({(mine, theirs) for _, _, _, mine, theirs in upward})
    print(f'{len(upward)} upward includes, {len(edges)} upward folder edges'
          + (': ' + ', '.join(f'{a} -> {b}' for a, b in edges) if edges else ''))
    if unknown:
        print('folders with no floor: ' + ', '.join(sorted(unknown)))
    return 1 if upward else 0


if __name__ == '__main__':
    sys.exit(main())
