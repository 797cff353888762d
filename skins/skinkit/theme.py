"""The palette and shape language of one skin."""

from dataclasses import dataclass


@dataclass(frozen=True)
class Theme:
    name: str  # folder name under Skins/
    text: tuple  # the UI text colour str.ini names for this skin (red, green, blue)
    backdrop: tuple  # window background gradient (top, bottom)
    titlebar: tuple  # title strip gradient (top, bottom)
    panel: tuple  # panel fill gradient (top, bottom)
    panel_border: tuple
    panel_highlight: tuple  # one-pixel light edge along a panel's top (with alpha)
    well: tuple  # recessed fields and tracks
    well_border: tuple
    control: tuple  # raised control gradient (top, bottom), e.g. text buttons
    control_border: tuple
    accent: tuple
    accent_dark: tuple
    icon: tuple  # glyph colour on controls
    muted: tuple  # quiet glyphs and ticks
    danger: tuple  # close button when hovered
    cut_corners: bool = False  # chamfered corners instead of rounded ones
    shadow: tuple = (0, 0, 0, 150)
    carbon: bool = False  # woven backdrop texture
    accent_edges: bool = False  # short accent strokes on panel corners
    wordmark: str = "KRELLO MARROWIN"

    def corners(self, size):
        """Keyword arguments that give a shape of about `size` pixels its corners in this skin."""
        if size <= 0:
            return {}
        return {"chamfer": size} if self.cut_corners else {"radius": size}
