#!/usr/bin/env python3
"""Checks rendered skins: every image the program loads is present with the size its hot area
expects, every hot area of both pages lies on something drawn (the page image differs there from
the bare "main.png" canvas), pointer-over images differ visibly from their normal images, and the
text colour each skin ships with is readable on the places where the program writes text.

Usage: check_skins.py [--skins DIR/Skins]   (without --skins the skins are rendered to a temp folder)
"""

import argparse
import pathlib
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops, ImageStat

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import dialog_checks  # noqa: E402
import layout  # noqa: E402
import themes  # noqa: E402

# The images the program loads, with the size of the area each is drawn into.
FIXED_SIZES = {
    "button-normal.png": (105, 21), "button-over.png": (105, 21),
    "button-close-normal.png": (18, 18), "button-close-over.png": (18, 18),
    "button-min-normal.png": (18, 18), "button-min-over.png": (18, 18),
    "button-Skins-normal.png": (18, 18), "button-Skins-over.png": (18, 18),
    "button-Profiles-normal.png": (18, 18), "button-Profiles-over.png": (18, 18),
    "button-PrePage-normal.png": (40, 40), "button-PrePage-over.png": (40, 40),
    "button-NextPage-normal.png": (40, 40), "button-NextPage-over.png": (40, 40),
    "DropdownBox-normal.png": (211, 21), "DropdownBox-over.png": (211, 21),
    "slider-RP-dark.png": (70, 11), "slider-RP-light.png": (70, 11),
    "slider-DPI-dark.png": (16, 16), "slider-DPI-light.png": (16, 16),
    "slider-dark.png": (24, 11), "slider-light.png": (24, 11),
    "Pane.png": (16, 16), "PaneMakingTick.png": (16, 16),
}
PAGE_IMAGES = ["BasicSet2.png", "AdvancedSet2.png"]
DIALOG_IMAGES = ["combo-key.png", "single-key.png", "fire-key.png", "delay-time.png", "media-key.png",
                 "windows-key.png", "macro-key.png", "skins.png", "profiles.png"]
# The window must hold every hot area (Cancel ends at x 875, the web link at y 645); the dialogs
# must hold the close box, OK and Cancel (Cancel ends at 375, 274).
MIN_WINDOW = (875, 645)
MIN_DIALOG = (375, 274)

HOVER_PAIRS = [("button-normal.png", "button-over.png"), ("button-close-normal.png", "button-close-over.png"),
               ("button-min-normal.png", "button-min-over.png"), ("button-Skins-normal.png", "button-Skins-over.png"),
               ("button-Profiles-normal.png", "button-Profiles-over.png"),
               ("button-PrePage-normal.png", "button-PrePage-over.png"),
               ("button-NextPage-normal.png", "button-NextPage-over.png"),
               ("DropdownBox-normal.png", "DropdownBox-over.png"), ("slider-RP-dark.png", "slider-RP-light.png"),
               ("slider-DPI-dark.png", "slider-DPI-light.png"), ("slider-dark.png", "slider-light.png"),
               ("Pane.png", "PaneMakingTick.png")]

# Where the program writes text in the skin's text colour: (image, rectangle).
TEXT_PLACES = [
    ("BasicSet2.png", (105, 51, 320, 99)), ("AdvancedSet2.png", (105, 51, 320, 99)),
    ("BasicSet2.png", (259, 160, 364, 181)), ("BasicSet2.png", (505, 161, 657, 182)),
    ("BasicSet2.png", (504, 275, 609, 296)), ("BasicSet2.png", (704, 275, 809, 296)),
    ("BasicSet2.png", (542, 217, 828, 232)), ("BasicSet2.png", (700, 330, 763, 404)),
    ("BasicSet2.png", (260, 629, 450, 645)), ("AdvancedSet2.png", (39, 160, 177, 181)),
    ("AdvancedSet2.png", (39, 310, 177, 331)), ("AdvancedSet2.png", (39, 460, 216, 481)),
    ("AdvancedSet2.png", (469, 160, 613, 181)), ("AdvancedSet2.png", (457, 196, 875, 220)),
    ("AdvancedSet2.png", (765, 227, 874, 296)), ("AdvancedSet2.png", (74, 255, 300, 271)),
    ("button-normal.png", (10, 4, 95, 17)), ("button-over.png", (10, 4, 95, 17)),
    ("DropdownBox-normal.png", (0, 3, 190, 18)), ("DropdownBox-over.png", (0, 3, 190, 18)),
]
MIN_CONTRAST = 4.5

# A pixel counts as drawn when its red + green + blue differ from the bare canvas by more than this,
# and at least this share of a hot area's pixels must be drawn.
DRAWN_DELTA = 8
DRAWN_SHARE = 0.6
HOVER_DELTA = 10.0


class Report:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, ok, what):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print("FAIL", what)


def _luminance(rgb):
    def channel(value):
        v = value / 255
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((_luminance(a), _luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def drawn_share(page, canvas, rect):
    left, top, right, bottom = rect
    region = (max(left, 0), max(top, 0), min(right, page.width), min(bottom, page.height))
    diff = ImageChops.difference(page.crop(region), canvas.crop(region))
    total = (region[2] - region[0]) * (region[3] - region[1])
    drawn = sum(1 for r, g, b in diff.getdata() if r + g + b > DRAWN_DELTA)
    return drawn / total if total else 0.0


def mean_colour(image, rect):
    return ImageStat.Stat(image.convert("RGB").crop(rect)).mean


def check_files(report, folder):
    images = {}
    for name in list(FIXED_SIZES) + PAGE_IMAGES + DIALOG_IMAGES + ["main.png"]:
        path = folder / name
        report.check(path.is_file(), f"{folder.name}: {name} missing")
        if path.is_file():
            images[name] = Image.open(path)
    for name, size in FIXED_SIZES.items():
        if name in images:
            report.check(images[name].size == size, f"{folder.name}/{name}: {images[name].size}, expected {size}")
    canvas = images.get("main.png")
    if canvas is not None:
        report.check(canvas.width >= MIN_WINDOW[0] and canvas.height >= MIN_WINDOW[1],
                     f"{folder.name}/main.png {canvas.size} cannot hold the hot areas")
        for name in PAGE_IMAGES:
            if name in images:
                report.check(images[name].size == canvas.size,
                             f"{folder.name}/{name} {images[name].size} does not cover main.png {canvas.size}")
    for name in DIALOG_IMAGES:
        if name in images:
            size = images[name].size
            report.check(size[0] >= MIN_DIALOG[0] and size[1] >= MIN_DIALOG[1],
                         f"{folder.name}/{name} {size} cannot hold OK and Cancel")
    return images


def check_hot_areas(report, folder, images, areas):
    canvas = images.get("main.png")
    if canvas is None:
        return
    canvas = canvas.convert("RGB")
    for name, page in (("BasicSet2.png", "basic"), ("AdvancedSet2.png", "advanced")):
        if name not in images or images[name].size != canvas.size:
            continue
        picture = images[name].convert("RGB")
        for area, rect in areas["common"] + areas[page]:
            share = drawn_share(picture, canvas, rect)
            report.check(share >= DRAWN_SHARE,
                         f"{folder.name}/{name}: hot area {area} {rect} lies on bare background ({share:.0%} drawn)")


def check_hover(report, folder, images):
    for normal, over in HOVER_PAIRS:
        if normal in images and over in images and images[normal].size == images[over].size:
            a = images[normal].convert("RGBA")
            b = images[over].convert("RGBA")
            delta = sum(ImageStat.Stat(ImageChops.difference(a, b)).mean[:3])
            report.check(delta >= HOVER_DELTA, f"{folder.name}: {over} hardly differs from {normal} ({delta:.1f})")


def check_contrast(report, folder, images, text_colour):
    for name, rect in TEXT_PLACES:
        if name not in images:
            continue
        background = images[name].convert("RGBA")
        # Element images are drawn over the page; judge them over black, the darkest page tone.
        flat = Image.alpha_composite(Image.new("RGBA", background.size, (0, 0, 0, 255)), background)
        ratio = contrast(text_colour, mean_colour(flat, rect))
        report.check(ratio >= MIN_CONTRAST,
                     f"{folder.name}/{name} {rect}: text colour {text_colour} contrast {ratio:.2f} < {MIN_CONTRAST}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--skins", type=pathlib.Path, help="the Skins folder to check")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as temp:
        skins = args.skins
        if skins is None:
            subprocess.run([sys.executable, str(HERE / "render_skins.py"), "--out", temp], check=True)
            skins = pathlib.Path(temp) / "Skins"
        areas, source = layout.page_areas()
        print(f"hot areas from {source}")
        report = Report()
        report.check(len(themes.ALL) >= 2, "fewer than two skins")
        for theme in themes.ALL:
            folder = skins / theme.name
            images = check_files(report, folder)
            check_hot_areas(report, folder, images, areas)
            check_hover(report, folder, images)
            check_contrast(report, folder, images, theme.text)
            dialog_checks.check_dialogs(report, folder, images, contrast, MIN_CONTRAST)
    print(f"{report.passed} passed, {report.failed} failed")
    return 1 if report.failed else 0


if __name__ == "__main__":
    sys.exit(main())
