"""Checks of the function dialogs' backgrounds against the program: every control rectangle the
program places in a dialog (src/assign/*_dialog_model.h) is one the skin draws for (layout.DIALOGS)
and lies inside the dialog;
the beds under the statics and edits are the control grey the program paints them with; each
drop-down shows an arrow right of its static; and the dialogs' own white texts are readable."""

import re

from PIL import ImageStat

import layout

CONTROL_GREY = (40, 40, 40)
GREY_TOLERANCE = 8
ARROW_DELTA = 12

# The program's headers and the background each one's rectangles are drawn on. The consumer-key
# header holds two dialogs, told apart by the name prefix of their constants.
HEADERS = {
    "single_key_dialog_model.h": {"": "single-key.png"},
    "combo_key_dialog_model.h": {"": "combo-key.png"},
    "fire_key_dialog_model.h": {"": "fire-key.png"},
    "delay_time_dialog_model.h": {"": "delay-time.png"},
    "consumer_key_dialog_model.h": {"Multimedia": "media-key.png", "Windows": "windows-key.png"},
}

# Areas covered by a static or an edit: the skin lays a control-grey bed under them.
BEDS = {
    "single-key.png": ["KeyNameStatic"],
    "combo-key.png": ["ModifierStatic", "FirstKeyEdit", "SecondKeyEdit"],
    "fire-key.png": ["KeyStatic", "SpeedEdit", "TimesEdit"],
    "delay-time.png": ["DelayEdit"],
    "media-key.png": ["ItemStatic"],
    "windows-key.png": ["ItemStatic"],
    "profiles.png": ["ProfileList", "NameEdit", "ProgramList", "ProgramEdit"],
}
# (static, click area) of each drop-down: the arrow fills the click area right of the static.
DROPDOWNS = {
    "combo-key.png": ("ModifierStatic", "ModifierDropdown"),
    "fire-key.png": ("KeyStatic", "KeyDropdown"),
    "media-key.png": ("ItemStatic", "ItemDropdown"),
    "windows-key.png": ("ItemStatic", "ItemDropdown"),
}
# Texts the dialogs draw themselves, in white.
WHITE_TEXTS = {
    "single-key.png": ["PromptText"],
    "fire-key.png": ["SpeedCaption", "TimesCaption", "SpeedNote", "TimesNote"],
    "delay-time.png": ["DelayPrompt", "RangeNote"],
    "profiles.png": ["NameCaption", "ProgramsCaption", "BalloonOption", "ArrivalOption"],
}

_RECT = re.compile(r"constexpr\s+Rect\s+k(\w+?)Rect\s*\{\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*\}")
_DROPDOWN = re.compile(r"constexpr\s+DropDownLayout\s+k(\w+?)Layout\s*\{([^;]*)\};", re.S)
_NUMBERS = re.compile(r"-?\d+")


def program_rects():
    """Background image -> the rectangles the program's dialog headers place on it."""
    rects = {}
    folder = layout.REPO / "src" / "assign"
    for header, images in HEADERS.items():
        path = folder / header
        try:
            text = path.read_text(encoding="utf-8")
        except OSError as error:
            raise layout.LayoutError(f"cannot read the dialog header {path}: {error}") from error
        found = [(m.group(1), tuple(int(v) for v in m.groups()[1:])) for m in _RECT.finditer(text)]
        for m in _DROPDOWN.finditer(text):
            # {displayId, display, clickArea, listId, list}
            values = [int(v) for v in _NUMBERS.findall(m.group(2))]
            for part, start in (("Display", 1), ("ClickArea", 5), ("List", 10)):
                found.append((m.group(1) + part, tuple(values[start:start + 4])))
        for name, rect in found:
            image = next(image for prefix, image in sorted(images.items(), reverse=True) if name.startswith(prefix))
            rects.setdefault(image, []).append((name, rect))
    return rects


def _mean(image, rect, inset=0):
    l, t, r, b = rect
    return ImageStat.Stat(image.convert("RGB").crop((l + inset, t + inset, r - inset, b - inset))).mean


def check_dialogs(report, folder, images, contrast, min_contrast):
    program = program_rects()
    report.check(bool(program), "the program's dialog headers were not found")
    for image, placed in program.items():
        drawn = {rect for _, rect in layout.DIALOGS.get(image, [])}
        # The window is as large as its image, and its thin border takes a pixel on each side.
        client = (images[image].width - 2, images[image].height - 2) if image in images else None
        for name, rect in placed:
            report.check(rect in drawn, f"{folder.name}/{image}: the program's {name} {rect} has no place in the skin")
            report.check(client is None or (rect[2] <= client[0] and rect[3] <= client[1]),
                         f"{folder.name}/{image}: the program's {name} {rect} reaches outside the dialog {client}")
    for image, names in BEDS.items():
        if image not in images:
            continue
        areas = dict(layout.DIALOGS[image])
        for name in names:
            mean = _mean(images[image], areas[name], inset=2)
            report.check(all(abs(m - g) <= GREY_TOLERANCE for m, g in zip(mean, CONTROL_GREY)),
                         f"{folder.name}/{image}: {name} {areas[name]} lies on {tuple(round(m) for m in mean)}, "
                         f"not on the control grey")
    for image, (static, click) in DROPDOWNS.items():
        if image not in images:
            continue
        areas = dict(layout.DIALOGS[image])
        arrow = (areas[static][2], areas[click][1], areas[click][2], areas[click][3])
        mean = _mean(images[image], arrow)
        delta = sum(abs(m - g) for m, g in zip(mean, CONTROL_GREY))
        report.check(delta >= ARROW_DELTA, f"{folder.name}/{image}: no drop-down arrow at {arrow}")
    for image, names in WHITE_TEXTS.items():
        if image not in images:
            continue
        areas = dict(layout.DIALOGS[image])
        for name in names:
            ratio = contrast((255, 255, 255), _mean(images[image], areas[name]))
            report.check(ratio >= min_contrast,
                         f"{folder.name}/{image}: white {name} contrast {ratio:.2f} < {min_contrast}")
