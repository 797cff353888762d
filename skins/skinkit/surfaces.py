"""Surfaces shared by pages and dialogs: backdrop, panels, recessed wells and title strips."""

from PIL import Image

from skinkit.canvas import mix


def carbon_tile(base):
    """An 8 x 8 twill weave, two shades of the base colour."""
    tile = Image.new("RGBA", (8, 8), (0, 0, 0, 0))
    light = (min(base[0] + 10, 255), min(base[1] + 9, 255), min(base[2] + 10, 255), 255)
    dark = (base[0], base[1], base[2], 255)
    for y in range(8):
        for x in range(8):
            # Diagonal bands of 4 x 4 blocks alternate direction like a 2/2 twill.
            block = ((x // 4) + (y // 4)) % 2
            stripe = (x + y) % 4 < 2 if block else (x - y) % 4 < 2
            tile.putpixel((x, y), light if stripe else dark)
    return tile


def backdrop(c, theme, box):
    c.rect(box, gradient=theme.backdrop)
    if theme.carbon:
        tile = carbon_tile(theme.backdrop[1])
        faded = Image.new("RGBA", tile.size)
        faded.putdata([(r, g, b, 150) for r, g, b, _ in tile.getdata()])
        c.texture(box, faded)


def window_frame(c, theme, width, height):
    c.frame((0, 0, width, height), mix(theme.panel_border, (0, 0, 0), 0.3), 1)
    c.frame((1, 1, width - 1, height - 1), (255, 255, 255, 14), 1)


def title_strip(c, theme, width, height=34):
    c.rect((1, 1, width - 1, height), gradient=theme.titlebar)
    c.line([(1, height - 0.5), (width - 1, height - 0.5)], mix(theme.panel_border, (0, 0, 0), 0.25), 1)
    if theme.cut_corners:
        # Racing slashes next to the wordmark.
        for i in range(3):
            x = 8 + i * 7
            c.polygon([(x, height - 8), (x + 4, 8), (x + 7, 8), (x + 3, height - 8)], theme.accent)
    else:
        c.rect((10, 14, 13, 21), fill=theme.accent, radius=1)
    c.line([(1, height + 0.5), (width - 1, height + 0.5)], (255, 255, 255, 10), 1)


def wordmark(c, theme, x, y, size=11):
    c.text((x, y), theme.wordmark, mix(theme.icon, theme.muted, 0.35), size, bold=True, anchor="lm")


def panel(c, theme, box, corner=None):
    corner = theme.corners(corner if corner is not None else (8 if theme.cut_corners else 6))
    c.shadow(box, corner.get("radius", 2), 4, theme.shadow, offset=(0, 2), chamfer=corner.get("chamfer", 0))
    c.rect(box, gradient=theme.panel, **corner)
    c.frame(box, theme.panel_border, 1, **corner)
    l, t, r, b = box
    inset = corner.get("radius", 0) or corner.get("chamfer", 0)
    c.line([(l + inset + 1, t + 1.5), (r - 3, t + 1.5)], theme.panel_highlight, 1)
    if theme.accent_edges:
        ch = corner.get("chamfer", 0)
        c.line([(l + 0.7, t + ch + 12), (l + 0.7, t + ch), (l + ch, t + 0.7), (l + ch + 28, t + 0.7)],
               theme.accent, 1.5)
        c.line([(r - ch - 18, b - 0.7), (r - ch, b - 0.7), (r - 0.7, b - ch), (r - 0.7, b - ch - 8)],
               theme.accent_dark, 1.5)


def plate(c, theme, box, corner=5):
    """A raised tray on the bare backdrop, e.g. under the OK, Apply and Cancel buttons."""
    shape = theme.corners(corner)
    c.shadow(box, shape.get("radius", 0), 2, theme.shadow, offset=(0, 1), chamfer=shape.get("chamfer", 0))
    c.rect(box, gradient=theme.panel, **shape)
    c.frame(box, theme.panel_border, 1, **shape)


def well(c, theme, box, corner=3, fill=None, border=None):
    """A recessed field: dark fill, inner shadow, a border and a faint light edge below."""
    shape = theme.corners(corner)
    l, t, r, b = box
    c.line([(l + 2, b + 0.5), (r - 2, b + 0.5)], (255, 255, 255, 16), 1)
    c.rect(box, fill=fill or theme.well, **shape)
    c.inner_shadow(box, shape.get("radius", 0), 1.5, (0, 0, 0, 140), chamfer=shape.get("chamfer", 0))
    c.frame(box, border or theme.well_border, 1, **shape)


def section_rule(c, theme, x0, x1, y):
    """A thin divider that fades at both ends."""
    steps = 12
    span = (x1 - x0) / steps
    for i in range(steps):
        t = 1 - abs((i + 0.5) / steps * 2 - 1)
        colour = (theme.panel_border[0], theme.panel_border[1], theme.panel_border[2], int(60 + 160 * t))
        c.line([(x0 + i * span, y + 0.5), (x0 + (i + 1) * span, y + 0.5)], colour, 1)


def title_marker(c, theme, box):
    """A small accent mark at the left of a section title area."""
    l, t, r, b = box
    mid = (t + b) / 2
    if theme.cut_corners:
        c.polygon([(l - 9, mid - 5), (l - 4, mid - 5), (l - 7, mid + 5), (l - 12, mid + 5)], theme.accent)
    else:
        c.rect((l - 9, mid - 5, l - 6, mid + 5), fill=theme.accent, radius=1.5)


def arrow_down(c, colour, cx, cy, size=3.5, width=1.6):
    c.line([(cx - size, cy - size / 2), (cx, cy + size / 2), (cx + size, cy - size / 2)], colour, width)


def dropdown_bed(c, theme, box, arrow_width, fill=(0, 0, 0)):
    """The frame of a drop-down whose text part is a static control (black on the main window,
    0x282828 in the dialogs) and whose right end shows the arrow of the background image."""
    l, t, r, b = box
    well(c, theme, (l - 2, t - 2, r + 2, b + 2), corner=2, fill=fill)
    c.rect((r - arrow_width, t, r, b), gradient=theme.control, **theme.corners(1))
    c.line([(r - arrow_width - 0.5, t), (r - arrow_width - 0.5, b)], theme.well_border, 1)
    arrow_down(c, theme.icon, r - arrow_width / 2, (t + b) / 2, size=3)
