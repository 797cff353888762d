"""Crimson: carbon-weave black, cut corners and a hot red accent for a tournament look."""

from skinkit.theme import Theme

CRIMSON = Theme(
    name="Crimson",
    text=(244, 238, 236),
    backdrop=((22, 20, 22), (9, 8, 9)),
    titlebar=((30, 26, 28), (16, 14, 15)),
    panel=((40, 35, 38), (27, 24, 26)),
    panel_border=(70, 40, 44),
    panel_highlight=(255, 80, 90, 40),
    well=(4, 3, 4),
    well_border=(84, 46, 50),
    control=((66, 30, 35), (40, 20, 24)),
    control_border=(130, 44, 54),
    accent=(232, 38, 58),
    accent_dark=(120, 14, 26),
    icon=(232, 220, 220),
    muted=(120, 92, 96),
    danger=(232, 38, 58),
    cut_corners=True,
    shadow=(0, 0, 0, 200),
    carbon=True,
    accent_edges=True,
)
