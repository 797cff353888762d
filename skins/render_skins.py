#!/usr/bin/env python3
"""Renders every skin into OUT/Skins/<SkinName>/*.png.

Usage: render_skins.py --out DIR [--skin NAME ...]
"""

import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import themes  # noqa: E402
from skinkit.catalogue import images  # noqa: E402


def render(theme, folder):
    folder.mkdir(parents=True, exist_ok=True)
    for name, (size, draw) in sorted(images(theme).items()):
        picture = draw()
        if picture.size != tuple(size):
            raise SystemExit(f"{theme.name}/{name}: drawn {picture.size}, expected {size}")
        picture.save(folder / name, optimize=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, type=pathlib.Path, help="folder that receives Skins/")
    parser.add_argument("--skin", action="append", help="render only this skin (repeatable)")
    args = parser.parse_args()
    chosen = [t for t in themes.ALL if not args.skin or t.name in args.skin]
    if not chosen:
        parser.error("no such skin: " + ", ".join(args.skin))
    for theme in chosen:
        render(theme, args.out / "Skins" / theme.name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
