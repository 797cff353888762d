"""The small images the program draws over the page and dialog backgrounds: buttons, drop-down
headers, slider segments, DPI cells and check boxes, each in its normal and lit state."""

from skinkit import glyphs
from skinkit.canvas import Canvas, mix
from skinkit.surfaces import arrow_down


def text_button(theme, over):
    """105 x 21: OK, Apply, Cancel, Default, Mode A/B, New, Delete, Confirm and the dialog buttons.
    The lit state doubles as the selected Mode A/B, so it stays dark enough for the caption."""
    c = Canvas(105, 21)
    shape = theme.corners(4)
    box = (0, 0, 105, 21)
    if over:
        top = mix(theme.control[0], theme.accent, 0.45)
        bottom = mix(theme.control[1], theme.accent_dark, 0.6)
        c.rect(box, gradient=(top, bottom), **shape)
        c.frame(box, theme.accent, 1, **shape)
        c.line([(5, 1.5), (100, 1.5)], (255, 255, 255, 60), 1)
    else:
        c.rect(box, gradient=theme.control, **shape)
        c.frame(box, theme.control_border, 1, **shape)
        c.line([(5, 1.5), (100, 1.5)], (255, 255, 255, 30), 1)
        c.line([(5, 19.5), (100, 19.5)], (0, 0, 0, 60), 1)
    return c.result()


def title_button(theme, glyph, over):
    """18 x 18: minimise, close and skins buttons in the title strip and the dialogs' close box."""
    c = Canvas(18, 18)
    shape = theme.corners(4)
    box = (0, 0, 18, 18)
    if over:
        fill = theme.danger if glyph == "close" else mix(theme.accent, theme.accent_dark, 0.35)
        c.rect(box, fill=fill, **shape)
        colour = (255, 255, 255)
    else:
        c.rect(box, fill=(255, 255, 255, 16), **shape)
        c.frame(box, (255, 255, 255, 28), 1, **shape)
        colour = theme.icon
    getattr(glyphs, glyph)(c, colour, (9, 9))
    return c.result()


def page_button(theme, glyph, over):
    """40 x 40: the two page tabs (Basic Settings with a mouse, Advanced Settings with sliders)."""
    c = Canvas(40, 40)
    shape = theme.corners(8)
    box = (0, 0, 40, 40)
    if over:
        c.rect(box, gradient=(mix(theme.control[0], theme.accent, 0.3), mix(theme.control[1], theme.accent_dark,
                                                                              0.5)), **shape)
        c.frame(box, theme.accent, 1.2, **shape)
        colour = (255, 255, 255)
    else:
        c.rect(box, gradient=theme.control, **shape)
        c.frame(box, theme.control_border, 1, **shape)
        colour = theme.icon
    c.line([(8, 1.6), (32, 1.6)], (255, 255, 255, 40), 1)
    getattr(glyphs, glyph)(c, colour, (20, 20))
    return c.result()


def dropdown_box(theme, over):
    """211 x 21: the button-assignment header. The program writes the number into the first 20
    pixels and the function name after it."""
    c = Canvas(211, 21)
    shape = theme.corners(3)
    box = (0, 0, 211, 21)
    border = theme.accent if over else theme.well_border
    c.rect(box, fill=theme.well, **shape)
    c.rect((0, 0, 20, 21), fill=mix(theme.well, theme.accent_dark if over else theme.panel[0], 0.55),
           **shape)
    c.rect((10, 0, 20, 21), fill=mix(theme.well, theme.accent_dark if over else theme.panel[0], 0.55))
    c.line([(20.5, 3), (20.5, 18)], border, 1)
    c.rect((190, 3, 208, 18), gradient=theme.control, **theme.corners(2))
    arrow_down(c, theme.accent if over else theme.icon, 199, 10.5, size=3.2)
    c.frame(box, border, 1, **shape)
    return c.result()


def report_segment(theme, lit):
    """70 x 11: one of the four report-rate segments."""
    c = Canvas(70, 11)
    shape = theme.corners(3)
    box = (0, 0, 70, 11)
    if lit:
        c.rect(box, gradient=(mix(theme.accent, (255, 255, 255), 0.25), theme.accent_dark), **shape)
        c.line([(4, 1.5), (66, 1.5)], (255, 255, 255, 110), 1)
        c.frame(box, mix(theme.accent, (255, 255, 255), 0.2), 1, **shape)
    else:
        c.rect(box, fill=mix(theme.well, theme.panel[0], 0.5), **shape)
        c.frame(box, theme.well_border, 1, **shape)
    return c.result()


def dpi_cell(theme, lit):
    """16 x 16: one level of a DPI stage column."""
    c = Canvas(16, 16)
    shape = theme.corners(3)
    box = (1, 1, 15, 15)
    if lit:
        c.rect((0, 0, 16, 16), fill=(*theme.accent, 60), **theme.corners(4))
        c.rect(box, gradient=(mix(theme.accent, (255, 255, 255), 0.3), theme.accent), **shape)
        c.line([(4, 2.5), (12, 2.5)], (255, 255, 255, 120), 1)
    else:
        c.rect(box, fill=mix(theme.well, theme.panel[0], 0.6), **shape)
        c.frame(box, theme.well_border, 1, **shape)
    return c.result()


def pointer_segment(theme, lit):
    """24 x 11: one of the eleven segments of a pointer-setting slider; segments sit edge to edge,
    so each carries its own one-pixel gap on the right."""
    c = Canvas(24, 11)
    shape = theme.corners(2)
    box = (0, 0, 23, 11)
    if lit:
        c.rect(box, gradient=(mix(theme.accent, (255, 255, 255), 0.25), theme.accent_dark), **shape)
        c.line([(2, 1.5), (21, 1.5)], (255, 255, 255, 100), 1)
    else:
        c.rect(box, fill=mix(theme.well, theme.panel[0], 0.5), **shape)
        c.frame(box, theme.well_border, 1, **shape)
    return c.result()


def check_box(theme, ticked):
    """16 x 16: the DPI stage, pointer and macro-repeat check boxes."""
    c = Canvas(16, 16)
    shape = theme.corners(3)
    box = (0, 0, 16, 16)
    if ticked:
        c.rect(box, gradient=(mix(theme.accent, (255, 255, 255), 0.15), theme.accent_dark), **shape)
        c.frame(box, mix(theme.accent, (255, 255, 255), 0.25), 1, **shape)
        c.line([(3.8, 8.2), (6.8, 11.2), (12.4, 4.8)], (255, 255, 255), 2)
    else:
        c.rect(box, fill=theme.well, **shape)
        c.frame(box, mix(theme.well_border, theme.icon, 0.25), 1, **shape)
    return c.result()
