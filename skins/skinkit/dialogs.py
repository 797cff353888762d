"""Backgrounds of the eight skinned dialogs. All share the frame (title strip with the close box,
the tray under OK and Cancel); each adds beds for its own controls and a picture of what it sets."""

from layout import DIALOG_SIZE, dialog_size
from skinkit import glyphs
from skinkit.canvas import Canvas, mix
from skinkit.surfaces import arrow_down, backdrop, dropdown_bed, title_strip, well, window_frame

W, H = DIALOG_SIZE

LABEL_SIZE = 9

# The dialogs paint their static and edit controls on this grey.
CONTROL_GREY = (40, 40, 40)


def _frame(theme, glyph, height=H):
    c = Canvas(W, height)
    backdrop(c, theme, (0, 0, W, height))
    c.rect((1, 31, W - 1, height - 1), gradient=(mix(theme.panel[0], theme.backdrop[0], 0.3), theme.backdrop[1]))
    title_strip(c, theme, W, height=30)
    getattr(glyphs, glyph)(c, theme.icon, (46, 15), 0.6)
    c.rect((348, 3, 374, 27), fill=(0, 0, 0, 70), **theme.corners(6))
    well(c, theme, (162, 249, 379, 278), corner=5, fill=mix(theme.well, theme.panel[1], 0.4))
    window_frame(c, theme, W, height)
    return c


def _picture(c, theme, glyph, centre, size=2.6):
    """A large, softly glowing pictogram on a round plate."""
    x, y = centre
    r = 46
    c.shadow((x - r, y - r, x + r, y + r), r, 10, (*theme.accent, 45))
    c.ellipse((x - r, y - r, x + r, y + r), fill=mix(theme.panel[0], theme.well, 0.5))
    c.ellipse((x - r, y - r, x + r, y + r), outline=mix(theme.panel_border, theme.accent, 0.35), width=1.2)
    c.arc((x - r - 6, y - r - 6, x + r + 6, y + r + 6), 200, 250, theme.accent, 2)
    c.arc((x - r - 6, y - r - 6, x + r + 6, y + r + 6), 20, 70, theme.accent_dark, 2)
    getattr(glyphs, glyph)(c, mix(theme.icon, theme.accent, 0.35), centre, size)


def _label(c, theme, xy, text):
    c.text(xy, text, mix(theme.icon, theme.muted, 0.3), LABEL_SIZE, anchor="ls")


def _sunken(c, theme, box):
    """Bed of a sunken static or edit control painted 0x282828 by the program."""
    l, t, r, b = box
    well(c, theme, (l - 2, t - 2, r + 2, b + 2), corner=2, fill=CONTROL_GREY)


def single_key(theme):
    c = _frame(theme, "keycap")
    _sunken(c, theme, (73, 128, 151, 144))
    _picture(c, theme, "keycap", (296, 130))
    return c.result(opaque=True)


def combo_key(theme):
    c = _frame(theme, "combo")
    _label(c, theme, (49, 64), "Modifier")
    dropdown_bed(c, theme, (49, 69, 132, 85), 15, fill=CONTROL_GREY)
    for top, caption in ((120, "Key 1"), (170, "Key 2")):
        _label(c, theme, (49, top - 5), caption)
        _sunken(c, theme, (50, top, 131, top + 14))
    for y in (101, 151):
        c.line([(140, y), (148, y)], theme.accent, 1.6)
        c.line([(144, y - 4), (144, y + 4)], theme.accent, 1.6)
    _picture(c, theme, "combo", (296, 130), 1.9)
    return c.result(opaque=True)


def fire_key(theme):
    c = _frame(theme, "crosshair")
    glyphs.crosshair(c, theme.muted, (32, 77), 0.6)
    dropdown_bed(c, theme, (49, 69, 132, 85), 15, fill=CONTROL_GREY)
    for top in (120, 170):
        _sunken(c, theme, (50, top, 131, top + 14))
    c.rect((12, 188, 380, 244), fill=(0, 0, 0, 45), **theme.corners(5))
    _picture(c, theme, "crosshair", (296, 110), 2.3)
    return c.result(opaque=True)


def delay_time(theme):
    c = _frame(theme, "stopwatch")
    _sunken(c, theme, (74, 129, 150, 143))
    _picture(c, theme, "stopwatch", (296, 130), 2.4)
    return c.result(opaque=True)


def _picker(theme, glyph, height=H):
    c = _frame(theme, glyph, height)
    getattr(glyphs, glyph)(c, theme.muted, (96, 100), 1.0)
    dropdown_bed(c, theme, (42, 128, 151, 144), 15, fill=CONTROL_GREY)
    _picture(c, theme, glyph, (296, 130), 2.4)
    return c


def media_key(theme):
    return _picker(theme, "note").result(opaque=True)


def windows_key(theme):
    return _picker(theme, "app_window", dialog_size("windows-key.png")[1]).result(opaque=True)


def macro_key(theme):
    c = _frame(theme, "macro", dialog_size("macro-key.png")[1])
    glyphs.macro(c, mix(theme.icon, theme.accent, 0.35), (96, 86), 1.3)
    dropdown_bed(c, theme, (42, 128, 151, 144), 15, fill=CONTROL_GREY)
    # One panel per repeat option, 48 high around the middle of its text (up to three lines).
    for top in (70, 120, 170):
        c.rect((212, top - 8, 388, top + 40), fill=(0, 0, 0, 55), **theme.corners(5))
        c.frame((212, top - 8, 388, top + 40), (255, 255, 255, 14), 1, **theme.corners(5))
    return c.result(opaque=True)


def skins_dialog(theme):
    c = _frame(theme, "palette")
    c.frame((40, 92, 153, 112), theme.well_border, 1, **theme.corners(2))
    well(c, theme, (40, 126, 138, 146), corner=2, fill=CONTROL_GREY)
    c.rect((136, 128, 151, 144), gradient=theme.control, **theme.corners(1))
    arrow_down(c, theme.icon, 143.5, 136, size=3)
    _picture(c, theme, "palette", (296, 130), 2.4)
    return c.result(opaque=True)


def profiles_dialog(theme):
    """The profile list with the name field, a column of buttons, the programs of the selected
    profile with their field, and the options' tray; the controls lie on the control grey."""
    c = _frame(theme, "profiles")
    for box in ((12, 38, 140, 146), (12, 166, 140, 182), (262, 52, 380, 124), (262, 130, 380, 146)):
        _sunken(c, theme, box)
    for box in ((144, 34, 257, 159), (264, 148, 377, 225), (8, 186, 257, 248)):
        c.rect(box, fill=(0, 0, 0, 45), **theme.corners(5))
    return c.result(opaque=True)


DIALOG_IMAGES = {
    "single-key.png": single_key,
    "combo-key.png": combo_key,
    "fire-key.png": fire_key,
    "delay-time.png": delay_time,
    "media-key.png": media_key,
    "windows-key.png": windows_key,
    "macro-key.png": macro_key,
    "skins.png": skins_dialog,
    "profiles.png": profiles_dialog,
}
