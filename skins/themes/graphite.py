"""Graphite: calm slate surfaces, soft rounded panels and a cool steel-blue accent."""

from skinkit.theme import Theme

GRAPHITE = Theme(
    name="Graphite",
    text=(226, 231, 238),
    backdrop=((33, 37, 44), (20, 23, 28)),
    titlebar=((40, 45, 53), (29, 33, 39)),
    panel=((42, 47, 56), (34, 38, 45)),
    panel_border=(58, 65, 77),
    panel_highlight=(255, 255, 255, 22),
    well=(17, 19, 23),
    well_border=(62, 70, 83),
    control=((62, 69, 81), (45, 50, 59)),
    control_border=(84, 94, 110),
    accent=(86, 176, 232),
    accent_dark=(31, 92, 138),
    icon=(196, 204, 216),
    muted=(104, 114, 130),
    danger=(214, 72, 82),
)
