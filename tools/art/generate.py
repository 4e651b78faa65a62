#!/usr/bin/env python3
"""Paints every picture of the game into a run folder: generate.py DIST_DIR.

Each module in painters/ has paint(dist_dir); game pictures go under dist_dir/bin.
Everything is deterministic: painters seed their own random generators.
"""
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: generate.py DIST_DIR\n")
        return 2
    dist = os.path.abspath(sys.argv[1])
    os.makedirs(os.path.join(dist, "bin"), exist_ok=True)
    names = sorted(f[:-3] for f in os.listdir(os.path.join(HERE, "painters"))
                   if f.endswith(".py") and not f.startswith("_"))
    for name in names:
        importlib.import_module("painters." + name).paint(dist)
    return 0


if __name__ == "__main__":
    sys.exit(main())
