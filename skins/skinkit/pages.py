"""The main window's images: the bare canvas ("main.png") and the two full-size page backgrounds.

Every hot area of a page sits on something drawn here (a panel, a well, a plate or a tray), so a
click always lands on a visible element; the program draws its own buttons and texts on top.
"""

from layout import WINDOW_SIZE, control_rects
from skinkit import glyphs, illustrations
from skinkit.canvas import Canvas, mix
from skinkit.surfaces import (backdrop, dropdown_bed, panel, plate, section_rule, title_marker, title_strip,
                              well, window_frame, wordmark)

W, H = WINDOW_SIZE


def _chrome(theme):
    c = Canvas(W, H)
    backdrop(c, theme, (0, 0, W, H))
    title_strip(c, theme, W)
    wordmark(c, theme, 34, 17)
    window_frame(c, theme, W, H)
    return c


def main_canvas(theme):
    return _chrome(theme).result(opaque=True)


def _page_frame(theme, active_tab):
    """What both pages share: title-strip plates, the header band with the tabs, and the footer."""
    c = _chrome(theme)
    for cluster in ((674, 2, 722, 26), (822, 2, 871, 26)):
        c.rect(cluster, fill=(0, 0, 0, 70), **theme.corners(6))
        c.frame(cluster, (255, 255, 255, 18), 1, **theme.corners(6))

    panel(c, theme, (8, 44, 880, 104))
    for tab in ((10, 50, 58, 98), (56, 50, 104, 98)):
        well(c, theme, tab, corner=10)
    tab_left = 14 if active_tab == "basic" else 60
    c.shadow((tab_left + 4, 96, tab_left + 36, 99), 1, 2.5, (*theme.accent, 200))
    c.rect((tab_left + 6, 99, tab_left + 34, 101), fill=theme.accent, **theme.corners(1))
    # A quiet streak on the right of the header band.
    c.rect((520, 73, 866, 75), gradient=((*theme.accent, 0), (*theme.accent, 90)), horizontal=True)
    c.rect((640, 79, 866, 80), gradient=((*theme.muted, 0), (*theme.muted, 90)), horizontal=True)

    # Footer: web link pill and the tray under OK / Apply / Cancel.
    plate(c, theme, (256, 626, 454, 648), corner=11 if not theme.cut_corners else 5)
    glyphs.globe(c, theme.muted, (268, 637))
    plate(c, theme, (557, 618, 880, 649), corner=6)
    return c


def basic_page(theme):
    c = _page_frame(theme, "basic")

    # Mouse picture with the numbered buttons.
    panel(c, theme, (8, 148, 234, 612))
    illustrations.mouse(c, theme, 121, 250)

    # Key setting: seven headers, mode switch, default.
    panel(c, theme, (240, 148, 476, 612))
    title_marker(c, theme, (259, 160, 364, 181))
    for i in range(7):
        top = 199 + 23 * i
        c.rect((248, top - 1, 467, top + 22), fill=(0, 0, 0, 45 if i % 2 == 0 else 20), **theme.corners(3))
    section_rule(c, theme, 252, 464, 505)
    well(c, theme, (250, 515, 465, 542), corner=5)

    # Report rate.
    panel(c, theme, (484, 148, 880, 248))
    title_marker(c, theme, (505, 161, 657, 182))
    well(c, theme, (538, 200, 832, 219), corner=5)

    # DPI stages: four columns of twelve levels, swatches and on/off boxes.
    panel(c, theme, (484, 258, 688, 612))
    title_marker(c, theme, (504, 275, 609, 296))
    for level in range(12):
        y = 500 - 18 * level + 8
        c.line([(548, y + 0.5), (658, y + 0.5)], (*theme.muted, 35), 1)
    for s in range(4):
        x = 554 + 27 * s
        well(c, theme, (x - 3, 299, x + 19, 519), corner=4)
        c.frame((x - 1, 522, x + 17, 540), theme.well_border, 1, **theme.corners(2))
    # Lighting.
    panel(c, theme, (696, 258, 880, 612))
    title_marker(c, theme, (704, 275, 809, 296))
    for top in (330, 360, 390):
        dropdown_bed(c, theme, (767, top, 851, top + 14), 16)
    section_rule(c, theme, 708, 868, 440)
    illustrations.light_ring(c, theme, (788, 526), 44)
    return c.result(opaque=True)


def advanced_page(theme):
    c = _page_frame(theme, "advanced")

    # Pointer settings: three sliders of eleven segments and two switches.
    panel(c, theme, (8, 148, 440, 612))
    pictures = (glyphs.pointer, glyphs.wheel, glyphs.double_click)
    for row, (title_top, slider_top) in enumerate(((160, 200), (310, 350), (460, 500))):
        well(c, theme, (49, slider_top - 2, 319, slider_top + 13), corner=4)
        for n in range(12):
            x = 52 + 24 * n
            c.line([(x - 0.5, slider_top + 16), (x - 0.5, slider_top + 19)], (*theme.muted, 140), 1)
        plate = (352, slider_top - 26, 412, slider_top + 34)
        c.rect(plate, fill=(0, 0, 0, 55), **theme.corners(12 if not theme.cut_corners else 8))
        c.frame(plate, (255, 255, 255, 16), 1, **theme.corners(12 if not theme.cut_corners else 8))
        pictures[row](c, mix(theme.icon, theme.accent, 0.45), (382, slider_top + 4), 1.3)
    for y in (296, 446):
        section_rule(c, theme, 24, 424, y)
    for box in ((46, 250, 330, 276), (46, 400, 330, 426)):
        c.rect(box, fill=(0, 0, 0, 40), **theme.corners(4))

    # Macros: list of macros, event list, recording column.
    panel(c, theme, (450, 148, 880, 612))
    c.rect((456, 196, 876, 220), gradient=(mix(theme.panel[0], theme.control[0], 0.6), theme.panel[1]),
           **theme.corners(3))
    for x in (591.5, 725.5):
        c.line([(x, 199), (x, 217)], theme.panel_border, 1)
    well(c, theme, (460, 218, 727, 514), corner=3, fill=(14, 15, 14))
    c.line([(591.5, 219), (591.5, 513)], theme.well_border, 1)

    _record_button(c, theme, (735, 229, 764, 258), recording=True)
    _record_button(c, theme, (735, 265, 764, 294), recording=False)
    controls = control_rects()
    for name in ("MacroNameEdit", "LoopTimesEdit"):
        l, t, r, b = controls[name]
        well(c, theme, (l - 2, t - 2, r + 2, b + 2), corner=3, fill=(0, 0, 0))
    dropdown_bed(c, theme, (735, 402, 854, 416), 15)
    well(c, theme, (509, 524, 830, 553), corner=5)
    return c.result(opaque=True)


def _record_button(c, theme, box, recording):
    l, t, r, b = box
    cx, cy = (l + r) / 2, (t + b) / 2
    c.shadow(box, 14.5, 2, (0, 0, 0, 150), offset=(0, 1))
    c.ellipse(box, fill=theme.control[1])
    c.ellipse((l + 1, t + 1, r - 1, b - 1), fill=theme.control[0])
    c.ellipse(box, outline=theme.control_border, width=1)
    if recording:
        red = (226, 52, 60)
        c.shadow((cx - 6, cy - 6, cx + 6, cy + 6), 6, 3, (*red, 140))
        c.ellipse((cx - 6, cy - 6, cx + 6, cy + 6), fill=red)
        c.ellipse((cx - 3, cy - 4.5, cx + 1, cy - 1.5), fill=(255, 255, 255, 90))
    else:
        c.rect((cx - 5, cy - 5, cx + 5, cy + 5), fill=theme.icon, radius=1.5)
