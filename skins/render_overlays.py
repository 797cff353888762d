#!/usr/bin/env python3
"""Draws every hot area over each page and dialog of each skin: a preview of the painted window with
the rectangles outlined and labelled. Output: OUT/<Skin>-<page>.png.

Usage: render_overlays.py --skins DIR/Skins [--out artifacts/overlays]
"""

import argparse
import pathlib
import sys

from PIL import ImageDraw, ImageFont

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import layout  # noqa: E402
import preview  # noqa: E402
import themes  # noqa: E402

COLOURS = [(255, 64, 96), (64, 220, 255), (255, 210, 40), (120, 255, 120), (255, 120, 255)]


def outline(image, areas):
    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype(preview.FONT, 8)
    for index, (name, (left, top, right, bottom)) in enumerate(areas):
        colour = COLOURS[index % len(COLOURS)]
        draw.rectangle((left, top, right - 1, bottom - 1), outline=colour + (255,), width=1)
        label_box = draw.textbbox((left + 1, top), name, font=font)
        draw.rectangle(label_box, fill=(0, 0, 0, 170))
        draw.text((left + 1, top), name, fill=colour + (255,), font=font)
    return image


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--skins", required=True, type=pathlib.Path, help="the Skins folder")
    parser.add_argument("--out", type=pathlib.Path, default=layout.REPO / "artifacts" / "overlays")
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    areas, source = layout.page_areas()
    print(f"hot areas from {source}")
    for theme in themes.ALL:
        folder = args.skins / theme.name
        pages = {"basic": preview.basic(folder, theme.text), "advanced": preview.advanced(folder, theme.text)}
        for page, image in pages.items():
            image.convert("RGB").save(args.out / f"{theme.name}-{page}-preview.png")
            outline(image, areas["common"] + areas[page]).convert("RGB").save(args.out / f"{theme.name}-{page}.png")
        for background, own in layout.DIALOGS.items():
            image = preview.dialog(folder, background, theme.text)
            stem = background[:-4]
            image.convert("RGB").save(args.out / f"{theme.name}-{stem}-preview.png")
            outline(image, layout.DIALOG_COMMON + own).convert("RGB").save(args.out / f"{theme.name}-{stem}.png")
    return 0


if __name__ == "__main__":
    sys.exit(main())
