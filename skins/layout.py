"""Fixed pixel geometry of the main window and the dialogs that the skin images are drawn for.

Rectangles are (left, top, right, bottom) in client pixels, right and bottom exclusive. The page
rectangles are read from the program's own hot-area tables (src/app/*_areas.cpp) and child-control
layout (src/app/page_control_layout.h); the page tables in this file are only the fallback while
those do not exist. The dialog rectangles and sizes live here alone; the main window's size is the
program's (kMainWindowArea).
"""

import pathlib
import re

REPO = pathlib.Path(__file__).resolve().parent.parent


def _main_window_size():
    """The client size the program lays its pages out for (kMainWindowArea), else 888 x 660."""
    header = REPO / "src" / "app" / "page_control_layout.h"
    if header.exists():
        found = re.search(r"Rect\s+kMainWindowArea\s*\{\s*0\s*,\s*0\s*,\s*(\d+)\s*,\s*(\d+)\s*\}",
                          header.read_text(encoding="utf-8", errors="replace"))
        if found:
            return int(found.group(1)), int(found.group(2))
    return 888, 660


WINDOW_SIZE = _main_window_size()
DIALOG_SIZE = (392, 286)
# Dialogs whose drop-down list reaches below the others' height: the Windows-function list ends at
# y 306, so that dialog is taller (the window's thin border takes one pixel on each side); so does
# the macro list, at y 286.
DIALOG_SIZES = {"windows-key.png": (392, 310), "macro-key.png": (392, 290)}


def dialog_size(image):
    return DIALOG_SIZES.get(image, DIALOG_SIZE)


def _grid(prefix, lefts, tops, width, height):
    return [(f"{prefix}{i + 1}_{j + 1}", (x, y, x + width, y + height)) for i, x in enumerate(lefts)
            for j, y in enumerate(tops)]


COMMON = [
    ("Minimise", (825, 5, 843, 23)),
    ("Close", (850, 5, 868, 23)),
    ("Skins", (701, 5, 719, 23)),
    ("BasicPage", (14, 54, 54, 94)),
    ("AdvancedPage", (60, 54, 100, 94)),
    ("Ok", (562, 623, 667, 644)),
    ("Apply", (666, 623, 771, 644)),
    ("Cancel", (770, 623, 875, 644)),
    ("WebLink", (260, 629, 450, 645)),
    ("PageTitle", (105, 51, 320, 99)),
]

BASIC = (
    [(f"AssignmentHeader{i}", (252, 199 + 23 * (i - 1), 463, 220 + 23 * (i - 1))) for i in range(1, 8)]
    + [(f"AssignmentList{i}", (252, 221 + 23 * (i - 1), 463, 471 + 23 * (i - 1))) for i in range(1, 8)]
    + [("ModeA", (253, 518, 358, 539)), ("ModeB", (357, 518, 462, 539)), ("KeyDefault", (307, 549, 412, 570))]
    + [(f"ReportRate{i + 1}", (542 + 72 * i, 204, 612 + 72 * i, 215)) for i in range(4)]
    + [(f"StageCheck{s + 1}", (554 + 27 * s, 541, 570 + 27 * s, 557)) for s in range(4)]
    + [(f"StageSwatch{s + 1}", (554 + 27 * s, 523, 570 + 27 * s, 539)) for s in range(4)]
    + _grid("DpiCell", [554 + 27 * s for s in range(4)], [500 - 18 * l for l in range(12)], 16, 16)
    + [("LightingHeader1", (767, 330, 851, 344)), ("LightingHeader2", (767, 360, 851, 374)),
       ("LightingHeader3", (767, 390, 851, 404))]
    + [("LightingList1", (766, 347, 851, 407)), ("LightingList2", (766, 377, 851, 457)),
       ("LightingList3", (766, 407, 851, 447))]
    + [("KeySettingTitle", (259, 160, 364, 181)), ("ReportRateTitle", (505, 161, 657, 182)),
       ("DpiTitle", (504, 275, 609, 296)), ("DpiEffectTitle", (704, 275, 809, 296))]
)

ADVANCED = (
    [(f"Slider{k + 1}_{n + 1}", (52 + 24 * n, y, 76 + 24 * n, y + 11)) for k, y in enumerate((200, 350, 500))
     for n in range(11)]
    + [("PrecisionCheck", (51, 255, 67, 271)), ("OneScreenCheck", (51, 405, 67, 421)),
       ("PointerDefault", (38, 584, 143, 605)), ("RecordStart", (735, 229, 764, 258)),
       ("RecordStop", (735, 265, 764, 294)), ("NewMacro", (513, 528, 618, 549)),
       ("DeleteMacro", (617, 528, 722, 549)), ("ConfirmMacro", (721, 528, 826, 549)),
       ("MouseEventHeader", (735, 402, 854, 416)), ("MouseEventList", (734, 419, 854, 569)),
       ("MacroListBox", (462, 220, 591, 512)), ("EventListBox", (592, 220, 725, 512))]
    + [("MouseSpeedTitle", (39, 160, 177, 181)), ("ScrollingSpeedTitle", (39, 310, 177, 331)),
       ("DoubleClickTitle", (39, 460, 216, 481)), ("MacroSettingTitle", (469, 160, 613, 181)),
       ("SelectMacroTitle", (457, 196, 592, 220)), ("KeyPressSequenceTitle", (591, 196, 726, 220)),
       ("RecordOptionTitle", (725, 196, 875, 220)), ("StartRecordingLabel", (765, 227, 874, 260)),
       ("StopRecordingLabel", (765, 263, 874, 296))]
)

# Where the skin prepares a bed for the two macro edits and their captions; the page builder places
# MacroNameEdit (150) and LoopTimesEdit (149) on these fields.
MACRO_FIELDS = [
    ("MacroNameLabel", (735, 300, 874, 316)),
    ("MacroNameEdit", (735, 318, 854, 336)),
    ("LoopTimesLabel", (735, 342, 874, 358)),
    ("LoopTimesEdit", (735, 360, 854, 378)),
]

DIALOG_COMMON = [("DialogClose", (352, 6, 370, 24)), ("DialogOk", (166, 253, 271, 274)),
                 ("DialogCancel", (270, 253, 375, 274))]

DIALOGS = {
    "single-key.png": [("PromptText", (23, 108, 201, 124)), ("KeyNameStatic", (73, 128, 151, 144))],
    "combo-key.png": [("ModifierStatic", (49, 69, 117, 85)), ("ModifierDropdown", (49, 69, 132, 85)),
                      ("ModifierList", (49, 87, 132, 227)), ("FirstKeyEdit", (50, 120, 131, 134)),
                      ("SecondKeyEdit", (50, 170, 131, 184))],
    "fire-key.png": [("KeyStatic", (49, 69, 117, 85)), ("KeyDropdown", (49, 69, 132, 85)),
                     ("KeyList", (49, 87, 132, 257)), ("SpeedEdit", (50, 120, 131, 134)),
                     ("TimesEdit", (50, 170, 131, 184)),
                     ("SpeedCaption", (10, 100, 171, 120)), ("TimesCaption", (10, 150, 171, 170)),
                     ("SpeedNote", (15, 184, 390, 218)), ("TimesNote", (15, 218, 390, 250))],
    "delay-time.png": [("DelayEdit", (74, 129, 150, 143)), ("DelayPrompt", (14, 89, 210, 109)),
                       ("RangeNote", (14, 109, 210, 129))],
    "media-key.png": [("ItemStatic", (42, 128, 136, 144)), ("ItemDropdown", (42, 128, 151, 144)),
                      ("ItemList", (42, 146, 151, 266))],
    "windows-key.png": [("ItemStatic", (42, 128, 136, 144)), ("ItemDropdown", (42, 128, 151, 144)),
                        ("ItemList", (42, 146, 151, 306))],
    "macro-key.png": [("MacroDropdown", (42, 128, 151, 144)), ("MacroList", (42, 146, 151, 286)),
                      ("ListCaption", (-8, 112, 201, 128)), ("RepeatTick1", (220, 78, 236, 94)),
                      ("RepeatTick2", (220, 128, 236, 144)), ("RepeatTick3", (220, 178, 236, 194)),
                      ("RepeatText1", (237, 70, 390, 102)), ("RepeatText2", (237, 120, 390, 152)),
                      ("RepeatText3", (237, 170, 390, 202))],
    "skins.png": [("ColourPrompt", (12, 64, 181, 94)), ("ColourSwatch", (42, 94, 151, 110)),
                  ("SkinHeader", (42, 128, 151, 144)), ("SkinList", (42, 146, 151, 266))],
}

# -- the program's own tables ----------------------------------------------------------------------

_ENTRY = re.compile(r"\{\s*HotArea::(\w+)\s*,\s*\{\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*\}"
                    r"\s*(?:,\s*(\d+)\s*)?(?:,\s*(\d+)\s*)?\}")
_TABLE = re.compile(r"(\w+)\s*(?:\[[^\]]*\])?\s*(?:=\s*)?\{\{?\s*$")
_CONTROL = re.compile(r"Rect\s+k(\w+?)Rect\s*\{\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*\}")


def _page_of(name):
    lowered = name.lower()
    for page in ("basic", "advanced", "common"):
        if page in lowered:
            return page
    return None


def parse_cpp_tables(paths):
    """Reads `{HotArea::Name, {l, t, r, b}[, index[, subIndex]]},` lines grouped by the page their
    table (or file) belongs to; an index is appended to the name ("DpiLevelCell2.5")."""
    pages = {"common": [], "basic": [], "advanced": []}
    for path in paths:
        current = _page_of(path.stem)
        for line in path.read_text(encoding="utf-8", errors="replace").splitlines():
            table = _TABLE.search(line)
            if table and _page_of(table.group(1)):
                current = _page_of(table.group(1))
            for match in _ENTRY.finditer(line):
                if current is None:
                    continue
                name, index, sub = match.group(1), match.group(6), match.group(7)
                if index:
                    name += index + ("." + sub if sub else "")
                pages[current].append((name, tuple(int(v) for v in match.groups()[1:5])))
    return pages


def _program_sources():
    app = REPO / "src" / "app"
    return sorted(p for p in list(app.glob("*.cpp")) + list(app.glob("*.h")) if "HotArea::" in p.read_text(
        encoding="utf-8", errors="replace") and _page_of(p.stem))


def page_areas():
    """Hot areas per page ("common", "basic", "advanced") and where they came from."""
    sources = _program_sources()
    if sources:
        parsed = parse_cpp_tables(sources)
        if parsed["basic"] and parsed["advanced"] and parsed["common"]:
            controls = [(name, rect) for name, rect in control_rects().items()
                        if name.startswith(("MacroName", "LoopTimes"))]
            parsed["advanced"] += controls
            return parsed, "program tables: " + ", ".join(str(p.relative_to(REPO)) for p in sources)
    return {"common": COMMON, "basic": BASIC, "advanced": ADVANCED + MACRO_FIELDS}, "skins/layout.py"


def control_rects():
    """Child-control rectangles of the main window (name -> rect), from the program's layout header,
    else the fields this file proposes."""
    rects = dict(MACRO_FIELDS)
    header = REPO / "src" / "app" / "page_control_layout.h"
    if header.exists():
        for match in _CONTROL.finditer(header.read_text(encoding="utf-8", errors="replace")):
            rects[match.group(1)] = tuple(int(v) for v in match.groups()[1:])
    return rects
