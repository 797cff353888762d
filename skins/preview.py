"""Composes a page or dialog the way the program paints it (background, element images in their
normal state, English texts in the skin's text colour) so a skin can be judged without Windows."""

from PIL import Image, ImageDraw, ImageFont

from layout import control_rects

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def _font(size, bold=False):
    return ImageFont.truetype(BOLD if bold else FONT, size)


class Composer:
    def __init__(self, folder, background, text_colour):
        self.folder = folder
        self.image = Image.open(folder / background).convert("RGBA")
        self.colour = tuple(text_colour)

    def put(self, name, xy):
        picture = Image.open(self.folder / name).convert("RGBA")
        self.image.alpha_composite(picture, dest=(int(xy[0]), int(xy[1])))

    def text(self, rect, text, align="centre", size=11, bold=False, colour=None):
        draw = ImageDraw.Draw(self.image)
        font = _font(size, bold)
        left, top, right, bottom = rect
        y = (top + bottom) / 2
        if align == "centre":
            draw.text(((left + right) / 2, y), text, fill=colour or self.colour, font=font, anchor="mm")
        elif align == "right":
            draw.text((right, y), text, fill=colour or self.colour, font=font, anchor="rm")
        else:
            draw.text((left, y), text, fill=colour or self.colour, font=font, anchor="lm")

    def fill(self, rect, colour):
        ImageDraw.Draw(self.image).rectangle((rect[0], rect[1], rect[2] - 1, rect[3] - 1), fill=colour)


def _frame(c, title):
    c.put("button-min-normal.png", (825, 5))
    c.put("button-close-normal.png", (850, 5))
    c.put("button-Skins-normal.png", (701, 5))
    c.put("button-PrePage-normal.png", (14, 54))
    c.put("button-NextPage-normal.png", (60, 54))
    for (x, caption) in ((562, "OK"), (666, "Apply"), (770, "Cancel")):
        c.put("button-normal.png", (x, 623))
        c.text((x, 623, x + 105, 644), caption)
    c.text((260, 629, 450, 645), "https://krello-marrowin.com")
    c.text((105, 51, 320, 99), title, align="left", size=17, bold=True)


def basic(folder, text_colour):
    c = Composer(folder, "BasicSet2.png", text_colour)
    _frame(c, "Basic Settings")
    labels = ["Left Click", "Right Click", "Mid Click", "Forward", "Backward", "DPI +", "DPI -"]
    for i, label in enumerate(labels):
        top = 199 + 23 * i
        c.put("DropdownBox-normal.png", (252, top))
        c.text((252, top, 272, top + 21), str(i + 1))
        c.text((272, top, 463, top + 21), label, align="left")
    c.put("button-over.png", (253, 518))
    c.text((253, 518, 358, 539), "Mode A")
    c.put("button-normal.png", (357, 518))
    c.text((357, 518, 462, 539), "Mode B")
    c.put("button-normal.png", (307, 549))
    c.text((307, 549, 412, 570), "Default")
    for title, rect in (("Key Setting", (259, 160, 364, 181)), ("Report Rate Setting", (505, 161, 657, 182)),
                        ("DPI Setting", (504, 275, 609, 296)), ("DPI Effect", (704, 275, 809, 296))):
        c.text(rect, title, align="left", bold=True)
    for i, rate in enumerate(("125", "250", "500", "1000")):
        x = 542 + 72 * i
        c.put("slider-RP-light.png" if i == 3 else "slider-RP-dark.png", (x, 204))
        c.text((x, 217, x + 70, 232), rate, size=10)
    steps = (1, 3, 5, 7)
    colours = ((255, 0, 0), (0, 0, 255), (0, 255, 0), (255, 255, 0))
    for s in range(4):
        x = 554 + 27 * s
        for level in range(12):
            lit = level <= steps[s]
            c.put("slider-DPI-light.png" if lit else "slider-DPI-dark.png", (x, 500 - 18 * level))
        c.fill((x, 523, x + 16, 539), colours[s])
        c.put("PaneMakingTick.png", (x, 541))
        c.text((x, 559, x + 16, 573), str(s + 1), size=10)
    values = ("250", "500", "750", "1000", "1250", "1500", "1750", "2000", "2500", "3000", "3500", "4000")
    for level, value in enumerate(values):
        c.text((496, 500 - 18 * level, 548, 516 - 18 * level), value, align="right", size=9)
    c.text((480, 523, 544, 539), "Color", align="right", size=10)
    c.text((480, 541, 544, 557), "Select", align="right", size=10)
    for top, label, value in ((330, "Mode", "Standard"), (360, "Parameter", "75%"), (390, "Effect", "RGB Effect")):
        c.text((700, top, 763, top + 14), label, align="right", size=10)
        c.fill((767, top, 835, top + 14), (0, 0, 0))
        c.text((769, top, 835, top + 14), value, align="left", size=10)
    return c.image


def advanced(folder, text_colour):
    c = Composer(folder, "AdvancedSet2.png", text_colour)
    _frame(c, "Advanced Settings")
    titles = (("Mouse Speed", (39, 160, 177, 181)), ("Scrolling Speed", (39, 310, 177, 331)),
              ("Double-Click Speed", (39, 460, 216, 481)), ("Macro Setting", (469, 160, 613, 181)))
    for title, rect in titles:
        c.text(rect, title, bold=True)
    for title, rect in (("Select Macro", (457, 196, 592, 220)), ("Key Press Sequence", (591, 196, 726, 220)),
                        ("Record Option", (725, 196, 875, 220))):
        c.text(rect, title, size=10)
    for k, (y, value) in enumerate(((200, 6), (350, 3), (500, 6))):
        for n in range(11):
            x = 52 + 24 * n
            c.put("slider-light.png" if n < value else "slider-dark.png", (x, y))
            c.text((x, y + 13, x + 24, y + 27), str(n + 1), size=9)
    c.put("PaneMakingTick.png", (51, 255))
    c.text((74, 255, 330, 271), "Enhance Pointer Precision", align="left")
    c.put("Pane.png", (51, 405))
    c.text((74, 405, 330, 421), "Scroll One Screen", align="left")
    c.put("button-normal.png", (38, 584))
    c.text((38, 584, 143, 605), "Default")
    for x, caption in ((513, "New"), (617, "Delete"), (721, "Confirm")):
        c.put("button-normal.png", (x, 528))
        c.text((x, 528, x + 105, 549), caption)
    c.text((765, 227, 874, 260), "Start Recording", size=10)
    c.text((765, 263, 874, 296), "Stop Recording", size=10)
    controls = control_rects()
    c.text(controls["MacroNameLabel"], "Macro Name", align="left", size=10)
    c.text(controls["MacroNameEdit"], "Macro1", size=10)
    c.text(controls["LoopTimesLabel"], "Loop Times", align="left", size=10)
    c.text(controls["LoopTimesEdit"], "1", size=10)
    c.fill((735, 402, 839, 416), (0, 0, 0))
    for i, name in enumerate(("Macro1", "Reload", "Combo")):
        c.text((466, 224 + 16 * i, 590, 240 + 16 * i), name, align="left", size=10)
    for i, line in enumerate(("A   Dn", "50 ms", "A   Up", "50 ms")):
        c.text((596, 224 + 16 * i, 724, 240 + 16 * i), line, align="left", size=10)
    return c.image


def dialog(folder, background, text_colour):
    c = Composer(folder, background, text_colour)
    c.put("button-normal.png", (166, 253))
    c.text((166, 253, 271, 274), "OK")
    c.put("button-normal.png", (270, 253))
    c.text((270, 253, 375, 274), "Cancel")
    c.put("button-close-normal.png", (352, 6))
    white = (255, 255, 255)
    if background == "single-key.png":
        c.text((23, 108, 201, 124), "Please enter a key", colour=white)
        c.text((73, 128, 151, 144), "F5", colour=white)
    elif background == "combo-key.png":
        c.text((49, 69, 117, 85), "Left Ctrl", colour=white, size=10)
        c.text((50, 120, 131, 134), "A", colour=white, size=10)
        c.text((50, 170, 131, 184), "Tab", colour=white, size=10)
    elif background in ("media-key.png", "windows-key.png"):
        item = "Next" if background == "media-key.png" else "Multimedia Player"
        c.text((44, 128, 136, 144), item, align="left", colour=white, size=10)
    elif background == "fire-key.png":
        c.text((49, 69, 117, 85), "F1", colour=white, size=10)
        c.text((10, 100, 171, 120), "Speed", colour=white)
        c.text((10, 150, 171, 170), "Times", colour=white)
        c.text((15, 184, 390, 218), "Speed (value range 5-255, with smaller values faster)", colour=white, size=10)
        c.text((15, 218, 390, 250), "Times (value range 0-255, 0 ends when released)", colour=white, size=10)
        c.text((50, 120, 131, 134), "32", colour=white)
        c.text((50, 170, 131, 184), "1", colour=white)
    elif background == "delay-time.png":
        c.text((14, 89, 210, 109), "Please enter a delay", colour=white)
        c.text((14, 109, 210, 129), "(value range 0-10000)", colour=white)
    elif background == "macro-key.png":
        c.text((-8, 112, 201, 128), "Please select a macro", colour=white)
        for i, text in enumerate(("Repeat a number of times", "Repeat until any key", "Repeat until released")):
            c.put("PaneMakingTick.png" if i == 0 else "Pane.png", (220, 78 + 50 * i))
            c.text((240, 70 + 50 * i, 390, 102 + 50 * i), text, align="left", colour=white, size=10)
    elif background == "skins.png":
        c.text((12, 64, 181, 94), "Please click to set the UI text color", size=10)
        c.fill((42, 94, 151, 110), text_colour)
        c.text((44, 128, 136, 144), "Graphite", align="left", colour=white, size=10)
    return c.image
