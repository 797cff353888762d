"""Supersampled drawing surface for skin images.

Everything is drawn at SCALE times the final size in logical pixel coordinates and reduced with a
Lanczos filter at the end, which gives antialiased edges, soft curves and crisp one-pixel lines that
land exactly on the pixel grid the program's hot areas use.
"""

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SCALE = 4

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


def font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(FONT_DIR + name, int(round(size * SCALE)))


def rgba(colour, alpha=None):
    """Accepts (r, g, b) or (r, g, b, a); an explicit alpha replaces the colour's own."""
    if len(colour) == 4 and alpha is None:
        return tuple(colour)
    return (colour[0], colour[1], colour[2], 255 if alpha is None else alpha)


def mix(a, b, t):
    """Linear blend of two colours, t = 0 gives a and t = 1 gives b."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


class Canvas:
    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        fill = rgba(background) if background is not None else (0, 0, 0, 0)
        self.image = Image.new("RGBA", (width * SCALE, height * SCALE), fill)

    # -- geometry -------------------------------------------------------------------------------

    @staticmethod
    def box(box):
        left, top, right, bottom = box
        return [int(round(left * SCALE)), int(round(top * SCALE)), int(round(right * SCALE)) - 1,
                int(round(bottom * SCALE)) - 1]

    def _region(self, bounds, margin=0):
        """The scaled integer region covering logical bounds plus a margin, clipped to the canvas."""
        left, top, right, bottom = bounds
        m = margin * SCALE
        x0 = max(int(left * SCALE - m) - 1, 0)
        y0 = max(int(top * SCALE - m) - 1, 0)
        x1 = min(int(right * SCALE + m) + 2, self.image.width)
        y1 = min(int(bottom * SCALE + m) + 2, self.image.height)
        return x0, y0, max(x1, x0 + 1), max(y1, y0 + 1)

    def _mask(self, region, box, radius, chamfer=0):
        """A mask of a rounded (or chamfered) rectangle over the given region."""
        x0, y0, x1, y1 = region
        mask = Image.new("L", (x1 - x0, y1 - y0), 0)
        draw = ImageDraw.Draw(mask)
        b = self.box(box)
        b = [b[0] - x0, b[1] - y0, b[2] - x0, b[3] - y0]
        if b[2] < b[0] or b[3] < b[1]:
            return mask
        if chamfer:
            c = chamfer * SCALE
            draw.polygon([(b[0] + c, b[1]), (b[2], b[1]), (b[2], b[3] - c), (b[2] - c, b[3]), (b[0], b[3]),
                          (b[0], b[1] + c)], fill=255)
        elif radius:
            draw.rounded_rectangle(b, radius=radius * SCALE, fill=255)
        else:
            draw.rectangle(b, fill=255)
        return mask

    def _composite(self, region, layer, mask=None):
        if mask is not None:
            layer = _apply_mask(layer, mask)
        self.image.alpha_composite(layer, dest=(region[0], region[1]))

    # -- fills ----------------------------------------------------------------------------------

    def _gradient(self, region, box, top, bottom, horizontal):
        """A region-sized layer with a linear gradient over box (the mask hides the rest)."""
        x0, y0, x1, y1 = region
        b = self.box(box)
        w, h = b[2] - b[0] + 1, b[3] - b[1] + 1
        if horizontal:
            ramp = Image.linear_gradient("L").transpose(Image.ROTATE_90).transpose(Image.FLIP_LEFT_RIGHT)
        else:
            ramp = Image.linear_gradient("L")
        ramp = ramp.resize((max(w, 1), max(h, 1)), Image.BILINEAR)
        blend = Image.composite(Image.new("RGBA", ramp.size, rgba(bottom)), Image.new("RGBA", ramp.size, rgba(top)),
                                ramp)
        layer = Image.new("RGBA", (x1 - x0, y1 - y0), rgba(top))
        layer.paste(blend, (b[0] - x0, b[1] - y0))
        return layer

    def rect(self, box, fill=None, gradient=None, radius=0, chamfer=0, horizontal=False):
        """Fills a (rounded or chamfered) rectangle with a colour or a (top, bottom) gradient."""
        region = self._region(box)
        mask = self._mask(region, box, radius, chamfer)
        if gradient is not None:
            layer = self._gradient(region, box, gradient[0], gradient[1], horizontal)
        else:
            layer = Image.new("RGBA", mask.size, rgba(fill))
        self._composite(region, layer, mask)

    def frame(self, box, colour, width=1, radius=0, chamfer=0):
        """Outlines a rectangle inside its box with a stroke of the given logical width."""
        region = self._region(box)
        outer = self._mask(region, box, radius, chamfer)
        l, t, r, b = box
        inner_chamfer = max(chamfer - width * 0.4, 0) if chamfer else 0
        inner = self._mask(region, (l + width, t + width, r - width, b - width), max(radius - width, 0),
                           inner_chamfer)
        ring = ImageChops.subtract(outer, inner)
        self._composite(region, Image.new("RGBA", ring.size, rgba(colour)), ring)

    def shadow(self, box, radius, blur, colour, offset=(0, 0), chamfer=0):
        """A soft drop shadow or glow behind a shape."""
        l, t, r, b = box
        dx, dy = offset
        moved = (l + dx, t + dy, r + dx, b + dy)
        region = self._region(moved, blur * 3)
        mask = self._mask(region, moved, radius, chamfer).filter(ImageFilter.GaussianBlur(blur * SCALE))
        self._composite(region, Image.new("RGBA", mask.size, rgba(colour)), mask)

    def inner_shadow(self, box, radius, blur, colour, chamfer=0):
        """Darkens the inside edges of a recessed shape."""
        region = self._region(box, blur * 3)
        shape = self._mask(region, box, radius, chamfer)
        soft = ImageChops.invert(shape).filter(ImageFilter.GaussianBlur(blur * SCALE))
        mask = ImageChops.multiply(soft, shape)
        self._composite(region, Image.new("RGBA", mask.size, rgba(colour)), mask)

    def _draw_local(self, bounds, margin, paint):
        region = self._region(bounds, margin)
        layer = Image.new("RGBA", (region[2] - region[0], region[3] - region[1]), (0, 0, 0, 0))
        paint(ImageDraw.Draw(layer), region[0], region[1])
        self._composite(region, layer)

    def ellipse(self, box, fill=None, outline=None, width=1):
        def paint(draw, ox, oy):
            b = self.box(box)
            draw.ellipse([b[0] - ox, b[1] - oy, b[2] - ox, b[3] - oy], fill=rgba(fill) if fill else None,
                         outline=rgba(outline) if outline else None, width=int(round(width * SCALE)))
        self._draw_local(box, 1, paint)

    def line(self, points, colour, width=1):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def paint(draw, ox, oy):
            draw.line([(x * SCALE - ox, y * SCALE - oy) for x, y in points], fill=rgba(colour),
                      width=int(round(width * SCALE)), joint="curve")
        self._draw_local((min(xs), min(ys), max(xs), max(ys)), width + 1, paint)

    def polygon(self, points, fill):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def paint(draw, ox, oy):
            draw.polygon([(x * SCALE - ox, y * SCALE - oy) for x, y in points], fill=rgba(fill))
        self._draw_local((min(xs), min(ys), max(xs), max(ys)), 1, paint)

    def arc(self, box, start, end, colour, width=1):
        def paint(draw, ox, oy):
            b = self.box(box)
            draw.arc([b[0] - ox, b[1] - oy, b[2] - ox, b[3] - oy], start, end, fill=rgba(colour),
                     width=int(round(width * SCALE)))
        self._draw_local(box, width + 1, paint)

    def text(self, xy, text, colour, size, bold=False, anchor="la"):
        layer = Image.new("RGBA", self.image.size, (0, 0, 0, 0))
        ImageDraw.Draw(layer).text((xy[0] * SCALE, xy[1] * SCALE), text, fill=rgba(colour), font=font(size, bold),
                                   anchor=anchor)
        self.image.alpha_composite(layer)

    def texture(self, box, tile, radius=0, chamfer=0):
        """Repeats a small RGBA tile (drawn at final resolution) over a shape."""
        region = self._region(box)
        big_tile = tile.resize((tile.width * SCALE, tile.height * SCALE), Image.NEAREST)
        layer = Image.new("RGBA", (region[2] - region[0], region[3] - region[1]), (0, 0, 0, 0))
        phase_x = region[0] % big_tile.width
        phase_y = region[1] % big_tile.height
        for y in range(-phase_y, layer.height, big_tile.height):
            for x in range(-phase_x, layer.width, big_tile.width):
                layer.paste(big_tile, (x, y))
        self._composite(region, layer, self._mask(region, box, radius, chamfer))

    def paste(self, other, xy):
        """Composites another canvas with its top-left corner at the logical point xy."""
        self.image.alpha_composite(other.image, dest=(int(xy[0] * SCALE), int(xy[1] * SCALE)))

    # -- output ---------------------------------------------------------------------------------

    def result(self, opaque=False):
        """The image at its final size; opaque images are returned as 24-bit RGB."""
        small = self.image.convert("RGBa").resize((self.width, self.height), Image.LANCZOS).convert("RGBA")
        return small.convert("RGB") if opaque else small


def _apply_mask(layer, mask):
    alpha = ImageChops.multiply(layer.getchannel("A"), mask)
    out = layer.copy()
    out.putalpha(alpha)
    return out
