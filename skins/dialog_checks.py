"""Checks of the dialogs' backgrounds against the program's dialog layout (layout.DIALOGS): every
area lies inside its dialog; the beds under the statics and edits are the control grey the program
paints them with; each drop-down shows an arrow right of its static; and the dialogs' own white
texts are readable."""

from PIL import ImageStat

import layout

CONTROL_GREY = (40, 40, 40)
GREY_TOLERANCE = 8
ARROW_DELTA = 12

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

def _mean(image, rect, inset=0):
    l, t, r, b = rect
    return ImageStat.Stat(image.convert("RGB").crop((l + inset, t + inset, r - inset, b - inset))).mean


def check_dialogs(report, folder, images, contrast, min_contrast):
    for image, placed in layout.DIALOGS.items():
        # The window is as large as its image, and its thin border takes a pixel on each side.
        client = (images[image].width - 2, images[image].height - 2) if image in images else None
        for name, rect in layout.DIALOG_COMMON + placed:
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
