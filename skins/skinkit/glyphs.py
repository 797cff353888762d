"""Line-art pictograms, each drawn around a centre point. They carry no words so that every skin
works in every language."""

import math


def close(c, colour, centre):
    x, y = centre
    c.line([(x - 4, y - 4), (x + 4, y + 4)], colour, 1.6)
    c.line([(x - 4, y + 4), (x + 4, y - 4)], colour, 1.6)


def minimise(c, colour, centre):
    x, y = centre
    c.line([(x - 4.5, y + 3), (x + 4.5, y + 3)], colour, 1.6)


def skins(c, colour, centre):
    """A half-filled circle: the look of the program can change."""
    x, y = centre
    c.ellipse((x - 5, y - 5, x + 5, y + 5), outline=colour, width=1.4)
    c.polygon([(x, y - 4.3)] + [(x + 4.3 * _cos(a), y + 4.3 * _sin(a)) for a in range(-90, 91, 10)] + [(x, y + 4.3)],
              colour)


def mouse(c, colour, centre, scale=1.0):
    x, y = centre
    w, h = 8 * scale, 12 * scale
    c.ellipse((x - w, y - h, x + w, y + h), outline=colour, width=1.8 * scale)
    c.line([(x, y - h), (x, y - 2 * scale)], colour, 1.5 * scale)
    c.line([(x - w + 1, y - 2 * scale), (x + w - 1, y - 2 * scale)], colour, 1.5 * scale)
    c.rect((x - 1.5 * scale, y - 8 * scale, x + 1.5 * scale, y - 4 * scale), fill=colour, radius=1.2 * scale)


def sliders(c, colour, centre):
    x, y = centre
    for i, knob in enumerate((-4, 5, -1)):
        yy = y - 8 + i * 8
        c.line([(x - 11, yy), (x + 11, yy)], colour, 1.6)
        c.ellipse((x + knob - 3.2, yy - 3.2, x + knob + 3.2, yy + 3.2), fill=colour)


def keycap(c, colour, centre, size=1.0):
    x, y = centre
    s = 11 * size
    c.frame((x - s, y - s, x + s, y + s), colour, 1.6 * size, radius=3 * size)
    c.frame((x - s + 4 * size, y - s + 3 * size, x + s - 4 * size, y + s - 6 * size), colour, 1.2 * size,
            radius=2 * size)


def combo(c, colour, centre, size=1.0):
    x, y = centre
    keycap(c, colour, (x - 14 * size, y), 0.6 * size)
    c.line([(x - 3 * size, y), (x + 3 * size, y)], colour, 1.6 * size)
    c.line([(x, y - 3 * size), (x, y + 3 * size)], colour, 1.6 * size)
    keycap(c, colour, (x + 14 * size, y), 0.6 * size)


def crosshair(c, colour, centre, size=1.0):
    x, y = centre
    r = 9 * size
    c.ellipse((x - r, y - r, x + r, y + r), outline=colour, width=1.6 * size)
    for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0)):
        c.line([(x + dx * (r - 5 * size), y + dy * (r - 5 * size)), (x + dx * (r + 4 * size), y + dy * (r + 4 * size))],
               colour, 1.6 * size)
    c.ellipse((x - 1.8 * size, y - 1.8 * size, x + 1.8 * size, y + 1.8 * size), fill=colour)


def stopwatch(c, colour, centre, size=1.0):
    x, y = centre
    r = 9 * size
    c.ellipse((x - r, y - r + 2 * size, x + r, y + r + 2 * size), outline=colour, width=1.6 * size)
    c.line([(x, y - r - 1 * size), (x, y - r + 2 * size)], colour, 1.8 * size)
    c.line([(x - 3 * size, y - r - 1.5 * size), (x + 3 * size, y - r - 1.5 * size)], colour, 1.8 * size)
    c.line([(x, y + 2 * size), (x, y - 4 * size)], colour, 1.6 * size)
    c.line([(x, y + 2 * size), (x + 4 * size, y + 4 * size)], colour, 1.6 * size)


def note(c, colour, centre, size=1.0):
    x, y = centre
    c.ellipse((x - 8 * size, y + 3 * size, x - 2 * size, y + 8 * size), fill=colour)
    c.ellipse((x + 3 * size, y + 1 * size, x + 9 * size, y + 6 * size), fill=colour)
    c.line([(x - 2.6 * size, y + 5.5 * size), (x - 2.6 * size, y - 8 * size), (x + 8.4 * size, y - 10 * size),
            (x + 8.4 * size, y + 3.5 * size)], colour, 1.6 * size)


def app_window(c, colour, centre, size=1.0):
    x, y = centre
    c.frame((x - 11 * size, y - 9 * size, x + 11 * size, y + 9 * size), colour, 1.6 * size, radius=2 * size)
    c.line([(x - 11 * size, y - 4.5 * size), (x + 11 * size, y - 4.5 * size)], colour, 1.4 * size)
    for i in range(3):
        cx = x - 8 * size + i * 3.5 * size
        c.ellipse((cx - 1 * size, y - 7.8 * size, cx + 1 * size, y - 5.8 * size), fill=colour)


def macro(c, colour, centre, size=1.0):
    """Three list lines and a play triangle: a recorded sequence."""
    x, y = centre
    for i in range(3):
        yy = y - 6 * size + i * 6 * size
        c.line([(x - 11 * size, yy), (x + 1 * size, yy)], colour, 1.6 * size)
    c.polygon([(x + 4 * size, y - 3 * size), (x + 12 * size, y + 2 * size), (x + 4 * size, y + 7 * size)], colour)


def palette(c, colour, centre, size=1.0):
    x, y = centre
    r = 10 * size
    c.ellipse((x - r, y - r, x + r, y + r), outline=colour, width=1.6 * size)
    for angle in (200, 250, 300, 350):
        px, py = x + 5.5 * size * _cos(angle), y + 5.5 * size * _sin(angle)
        c.ellipse((px - 1.8 * size, py - 1.8 * size, px + 1.8 * size, py + 1.8 * size), fill=colour)
    c.ellipse((x + 2 * size, y + 3 * size, x + 6 * size, y + 7 * size), outline=colour, width=1.2 * size)


def profiles(c, colour, centre, size=1.0):
    """Two cards, one behind the other: named sets of settings to switch between."""
    x, y = centre
    c.frame((x - 2 * size, y - 5 * size, x + 5 * size, y + 3 * size), colour, 1.2 * size, radius=1 * size)
    c.rect((x - 5 * size, y - 2 * size, x + 2 * size, y + 6 * size), fill=colour, radius=1 * size)


def pointer(c, colour, centre, size=1.0):
    x, y = centre
    pts = [(0, -10), (0, 6), (4, 2.5), (7, 9), (9.5, 8), (6.5, 1.5), (11.5, 1.5)]
    pts = [(x - 4 * size + px * size, y + py * size) for px, py in pts]
    c.line(pts + [pts[0]], colour, 1.5 * size)


def wheel(c, colour, centre, size=1.0):
    x, y = centre
    c.frame((x - 5 * size, y - 10 * size, x + 5 * size, y + 10 * size), colour, 1.6 * size, radius=5 * size)
    c.line([(x, y - 5 * size), (x, y - 1 * size)], colour, 2 * size)
    for sign in (-1, 1):
        c.line([(x + 9 * size, y + sign * 4 * size), (x + 12 * size, y + sign * 8 * size),
                (x + 15 * size, y + sign * 4 * size)], colour, 1.4 * size)


def double_click(c, colour, centre, size=1.0):
    x, y = centre
    pointer(c, colour, (x + 2 * size, y + 2 * size), size)
    c.arc((x - 13 * size, y - 15 * size, x + 1 * size, y - 1 * size), 200, 340, colour, 1.3 * size)
    c.arc((x - 17 * size, y - 19 * size, x + 5 * size, y + 3 * size), 205, 335, colour, 1.3 * size)


def globe(c, colour, centre, size=1.0):
    x, y = centre
    r = 5.5 * size
    c.ellipse((x - r, y - r, x + r, y + r), outline=colour, width=1.1 * size)
    c.ellipse((x - r / 2.2, y - r, x + r / 2.2, y + r), outline=colour, width=1.0 * size)
    c.line([(x - r, y), (x + r, y)], colour, 1.0 * size)


def _cos(degrees):
    return math.cos(math.radians(degrees))


def _sin(degrees):
    return math.sin(math.radians(degrees))
