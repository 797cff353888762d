"""Larger decorative pictures: the mouse with its numbered buttons and the lighting glow."""

from skinkit.canvas import mix


def _bezier(p0, p1, p2, p3, steps=24):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        pts.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return pts


def _mouse_outline(cx, top, w, h):
    """Top view of a right-handed gaming mouse, symmetric, nose up."""
    half = w / 2
    right = (_bezier((cx, top), (cx + half * 0.9, top), (cx + half, top + h * 0.18), (cx + half, top + h * 0.38))
             + _bezier((cx + half, top + h * 0.38), (cx + half, top + h * 0.55), (cx + half * 0.8, top + h * 0.6),
                       (cx + half * 0.85, top + h * 0.78))
             + _bezier((cx + half * 0.85, top + h * 0.78), (cx + half * 0.9, top + h * 1.0), (cx + half * 0.3,
                                                                                            top + h), (cx, top + h)))
    left = [(2 * cx - x, y) for x, y in reversed(right)]
    return right + left


def mouse(c, theme, cx, top, w=118, h=232):
    """The mouse with callouts 1 to 7 for the seven assignable buttons."""
    body = _mouse_outline(cx, top, w, h)
    glow = mix(theme.accent, theme.panel[1], 0.75)
    c.shadow((cx - w * 0.42, top + h * 0.1, cx + w * 0.42, top + h * 1.02), w * 0.4, 14, (*glow, 120))
    c.polygon([(x, y + 3) for x, y in body], (0, 0, 0, 120))
    c.polygon(body, mix(theme.control[1], theme.well, 0.35))
    # Shell highlight: an inner, lighter copy of the outline.
    inner = _mouse_outline(cx, top + 4, w - 10, h - 10)
    c.polygon(inner, mix(theme.control[0], theme.control[1], 0.5))
    c.line(body + [body[0]], mix(theme.control_border, theme.icon, 0.25), 1.4)
    split = top + h * 0.36
    # Button seam and the palm split.
    c.line([(cx, top + 2), (cx, split)], theme.well, 2)
    c.line(_bezier((cx - w * 0.47, split + 6), (cx - w * 0.2, split - 4), (cx + w * 0.2, split - 4),
                   (cx + w * 0.47, split + 6)), theme.well, 2)
    # Wheel (button 3) and the two DPI buttons behind it (6 and 7).
    c.rect((cx - 6, top + 26, cx + 6, top + 62), fill=theme.well, radius=6)
    for i in range(5):
        y = top + 32 + i * 6
        c.line([(cx - 3.5, y), (cx + 3.5, y)], theme.muted, 1.2)
    dpi_plus = (cx - 5, top + 70, cx + 5, top + 80)
    dpi_minus = (cx - 5, top + 84, cx + 5, top + 94)
    for box in (dpi_plus, dpi_minus):
        c.rect(box, gradient=(theme.accent, theme.accent_dark), radius=2)
    # Side buttons on the left flank (4 forward, 5 backward).
    forward = (cx - w / 2 - 3, top + h * 0.42, cx - w / 2 + 5, top + h * 0.42 + 26)
    backward = (cx - w / 2 - 2, top + h * 0.42 + 30, cx - w / 2 + 6, top + h * 0.42 + 56)
    for box in (forward, backward):
        c.rect(box, gradient=theme.control, radius=3)
        c.frame(box, theme.control_border, 1, radius=3)
    # Logo light on the palm.
    c.shadow((cx - 9, top + h * 0.7, cx + 9, top + h * 0.7 + 18), 9, 5, (*theme.accent, 150))
    c.ellipse((cx - 6, top + h * 0.7 + 3, cx + 6, top + h * 0.7 + 15), outline=theme.accent, width=1.6)

    left_edge = cx - w / 2 - 26
    right_edge = cx + w / 2 + 26
    callouts = [
        (1, (cx - w * 0.24, top + 30), (left_edge, top + 30)),
        (2, (cx + w * 0.24, top + 30), (right_edge, top + 30)),
        (3, (cx + 6, top + 44), (right_edge, top + 62)),
        (4, ((forward[0] + forward[2]) / 2, (forward[1] + forward[3]) / 2), (left_edge, forward[1] + 2)),
        (5, ((backward[0] + backward[2]) / 2, (backward[1] + backward[3]) / 2), (left_edge, backward[3] + 8)),
        (6, (cx + 5, (dpi_plus[1] + dpi_plus[3]) / 2), (right_edge, top + 92)),
        (7, (cx + 5, (dpi_minus[1] + dpi_minus[3]) / 2), (right_edge, top + 122)),
    ]
    for number, anchor, label in callouts:
        _callout(c, theme, number, anchor, label)


def _callout(c, theme, number, anchor, label):
    ax, ay = anchor
    lx, ly = label
    elbow = (lx + (12 if lx < ax else -12), ly)
    line_colour = (*mix(theme.accent, theme.panel[0], 0.35), 220)
    c.line([(ax, ay), (elbow[0], ay if abs(ay - ly) < 1 else ly), elbow], line_colour, 1)
    c.ellipse((ax - 2, ay - 2, ax + 2, ay + 2), fill=theme.accent)
    r = 8.5
    shape = {"chamfer": 4} if theme.cut_corners else {"radius": r}
    c.rect((lx - r, ly - r, lx + r, ly + r), fill=theme.well, **shape)
    c.frame((lx - r, ly - r, lx + r, ly + r), theme.accent, 1.2, **shape)
    c.text((lx, ly + 0.5), str(number), theme.text, 10, bold=True, anchor="mm")


HUES = [(255, 48, 64), (255, 170, 40), (80, 220, 90), (40, 180, 255), (150, 80, 255), (255, 48, 160),
        (255, 48, 64)]


def _hue(t):
    position = t * (len(HUES) - 1)
    k = min(int(position), len(HUES) - 2)
    return mix(HUES[k], HUES[k + 1], position - k)


def light_ring(c, theme, centre, radius):
    """A glowing RGB ring: the lighting effects of the mouse."""
    x, y = centre
    c.ellipse((x - radius - 10, y - radius - 10, x + radius + 10, y + radius + 10), fill=(*theme.well, 160))
    steps = 48
    for i in range(steps):
        start = i * 360 / steps
        colour = _hue(i / steps)
        c.arc((x - radius - 3, y - radius - 3, x + radius + 3, y + radius + 3), start, start + 360 / steps + 1,
              (*colour, 60), 9)
    for i in range(steps):
        start = i * 360 / steps
        colour = mix(_hue(i / steps), (255, 255, 255), 0.2)
        c.arc((x - radius, y - radius, x + radius, y + radius), start, start + 360 / steps + 1, colour, 3)
    c.ellipse((x - radius + 10, y - radius + 10, x + radius - 10, y + radius - 10),
              outline=(*theme.panel_border, 200), width=1)
    inner = radius - 22
    c.shadow((x - inner, y - inner, x + inner, y + inner), inner, 8, (*theme.accent, 50))
