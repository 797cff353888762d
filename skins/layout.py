"""Fixed pixel geometry of the main window and the dialogs that the skin images are drawn for.

Rectangles are (left, top, right, bottom) in client pixels, right and bottom exclusive. The main
window's size, hot areas and child controls come from the program's page layout
(src/app/page_layout.inc), which the program compiles; a layout that cannot be read stops the
script. The dialog rectangles and sizes live here alone.
"""

import pathlib
import re

REPO = pathlib.Path(__file__).resolve().parent.parent


DIALOG_SIZE = (392, 286)
# Dialogs whose drop-down list reaches below the others' height: the Windows-function list ends at
# y 306, so that dialog is taller (the window's thin border takes one pixel on each side); so does
# the macro list, at y 286.
DIALOG_SIZES = {"windows-key.png": (392, 310), "macro-key.png": (392, 290)}


def dialog_size(image):
    return DIALOG_SIZES.get(image, DIALOG_SIZE)


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
    "profiles.png": [("ProfileList", (12, 38, 140, 146)), ("NameCaption", (12, 148, 140, 164)),
                     ("NameEdit", (12, 166, 140, 182)), ("SaveNew", (148, 38, 253, 59)),
                     ("Rename", (148, 62, 253, 83)), ("Delete", (148, 86, 253, 107)),
                     ("Import", (148, 110, 253, 131)), ("Export", (148, 134, 253, 155)),
                     ("ProgramsCaption", (262, 36, 380, 50)), ("ProgramList", (262, 52, 380, 124)),
                     ("ProgramEdit", (262, 130, 380, 146)), ("AddProgram", (268, 152, 373, 173)),
                     ("RunningPrograms", (268, 176, 373, 197)), ("RemoveProgram", (268, 200, 373, 221)),
                     ("RunningList", (262, 52, 380, 246)), ("BalloonOption", (12, 188, 253, 216)),
                     ("ArrivalOption", (12, 218, 253, 246))],
}

# -- the program's page layout -----------------------------------------------------------------

PAGE_LAYOUT = REPO / "src" / "app" / "page_layout.inc"
_NUMBER = r"\s*(-?\d+)\s*"
_ROWS = {
    "PAGE_WINDOW": re.compile(rf"PAGE_WINDOW\({_NUMBER},{_NUMBER}\)"),
    "AREA_KIND": re.compile(r"AREA_KIND\(\s*(\w+)\s*,\s*(Target|OpenList)\s*\)"),
    "HOT_AREA": re.compile(rf"HOT_AREA\(\s*(Frame|Basic|Advanced)\s*,\s*(\w+)\s*,{_NUMBER},{_NUMBER},"
                           rf"{_NUMBER},{_NUMBER},{_NUMBER},{_NUMBER}\)"),
    "PAGE_CONTROL": re.compile(rf"PAGE_CONTROL\(\s*(\w+)\s*,{_NUMBER},{_NUMBER},{_NUMBER},{_NUMBER}\)"),
}
_PAGES = {"Frame": "common", "Basic": "basic", "Advanced": "advanced"}


class LayoutError(Exception):
    """The page layout is missing or holds a line that is no row of it."""


def read_page_layout(path=PAGE_LAYOUT):
    """The window size, the hot areas per page ("common", "basic", "advanced"; an index is appended to
    the name, "DpiLevelCell2.5") and the child controls (name -> rect) of the page layout."""
    try:
        text = path.read_text(encoding="utf-8")
    except OSError as error:
        raise LayoutError(f"cannot read the page layout {path}: {error}") from error
    size = None
    areas = {"common": [], "basic": [], "advanced": []}
    controls = {}
    for number, line in enumerate(text.splitlines(), 1):
        row = line.strip()
        if not row or row.startswith("//"):
            continue
        kind = row.split("(", 1)[0]
        match = _ROWS[kind].fullmatch(row) if kind in _ROWS else None
        if match is None:
            raise LayoutError(f"{path}:{number}: not a row of the page layout: {row}")
        values = match.groups()
        if kind == "PAGE_WINDOW":
            size = (int(values[0]), int(values[1]))
        elif kind == "AREA_KIND":
            continue
        elif kind == "HOT_AREA":
            table, name, index, sub = values[0], values[1], int(values[2]), int(values[3])
            if index:
                name += str(index) + (f".{sub}" if sub else "")
            areas[_PAGES[table]].append((name, tuple(int(v) for v in values[4:])))
        else:
            controls[values[0]] = tuple(int(v) for v in values[1:])
    if size is None or not all(areas.values()):
        raise LayoutError(f"{path}: the window size or a page's hot areas are missing")
    return size, areas, controls


WINDOW_SIZE, _PAGE_AREAS, _CONTROLS = read_page_layout()


def page_areas():
    """Hot areas per page ("common", "basic", "advanced"), the macro edits and their captions with
    the Advanced page's, and where they came from."""
    areas = {page: list(rows) for page, rows in _PAGE_AREAS.items()}
    areas["advanced"] += [(name, rect) for name, rect in _CONTROLS.items()
                          if name.startswith(("MacroName", "LoopTimes"))]
    return areas, str(PAGE_LAYOUT.relative_to(REPO))


def control_rects():
    """Child-control rectangles of the main window (name -> rect)."""
    return dict(_CONTROLS)
