"""Fixed pixel geometry of the main window and the dialogs that the skin images are drawn for.

Rectangles are (left, top, right, bottom) in client pixels, right and bottom exclusive. The main
window's size, hot areas and child controls come from the program's page layout
(src/app/page_layout.inc), the dialogs' areas from its dialog layout (src/common/dialog_layout.inc),
both of which the program compiles; a layout that cannot be read stops the script. The dialog sizes,
which are the sizes of the background images the skin scripts draw, live here alone.
"""

from collections import Counter
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


# -- the program's dialog layout ---------------------------------------------------------------

DIALOG_LAYOUT = REPO / "src" / "common" / "dialog_layout.inc"
_NUMBER = r"\s*(-?\d+)\s*"
_RECT = rf"{_NUMBER},{_NUMBER},{_NUMBER},{_NUMBER}"
_DIALOG_ROWS = {
    "DIALOG_FRAME": re.compile(rf"DIALOG_FRAME\(\s*(\w+)\s*,{_RECT}\)"),
    "DIALOG_AREA": re.compile(rf"DIALOG_AREA\(\s*\w+\s*,\s*\"([\w.-]+)\"\s*,\s*(\w+)\s*,{_RECT}\)"),
}


class LayoutError(Exception):
    """A layout file is missing or holds a line that is no row of it."""


def _layout_rows(path, rows):
    """(row kind, values) of each row of a layout file; any other line stops the script."""
    try:
        text = path.read_text(encoding="utf-8")
    except OSError as error:
        raise LayoutError(f"cannot read the layout {path}: {error}") from error
    for number, line in enumerate(text.splitlines(), 1):
        row = line.strip()
        if not row or row.startswith("//"):
            continue
        kind = row.split("(", 1)[0]
        match = rows[kind].fullmatch(row) if kind in rows else None
        if match is None:
            raise LayoutError(f"{path}:{number}: not a row of the layout: {row}")
        yield kind, match.groups()


def read_dialog_layout(path=DIALOG_LAYOUT):
    """The areas every dialog has ("DialogClose", "DialogOk", "DialogCancel") and each background
    image's own areas (image -> [(name, rect)]) of the dialog layout."""
    common, dialogs = [], {}
    for kind, values in _layout_rows(path, _DIALOG_ROWS):
        if kind == "DIALOG_FRAME":
            common.append(("Dialog" + values[0], tuple(int(v) for v in values[1:])))
        else:
            dialogs.setdefault(values[0], []).append((values[1], tuple(int(v) for v in values[2:])))
    if not common or not dialogs:
        raise LayoutError(f"{path}: the dialogs' common or own areas are missing")
    return common, dialogs


DIALOG_COMMON, DIALOGS = read_dialog_layout()

# -- the program's page layout -----------------------------------------------------------------

PAGE_LAYOUT = REPO / "src" / "app" / "page_layout.inc"
_PAGE_ROWS = {
    "PAGE_WINDOW": re.compile(rf"PAGE_WINDOW\({_NUMBER},{_NUMBER}\)"),
    "AREA_KIND": re.compile(r"AREA_KIND\(\s*(\w+)\s*,\s*(Target|OpenList)\s*\)"),
    "HOT_AREA": re.compile(rf"HOT_AREA\(\s*(Frame|Basic|Advanced)\s*,\s*(\w+)\s*,{_NUMBER},{_NUMBER},{_RECT}\)"),
    "PAGE_CONTROL": re.compile(rf"PAGE_CONTROL\(\s*(\w+)\s*,{_RECT}\)"),
}
_PAGES = {"Frame": "common", "Basic": "basic", "Advanced": "advanced"}


def read_page_layout(path=PAGE_LAYOUT):
    """The window size, the hot areas per page ("common", "basic", "advanced"; an index is appended to
    the name, "DpiLevelCell2.5") and the child controls (name -> rect) of the page layout."""
    size = None
    areas = {"common": [], "basic": [], "advanced": []}
    rows = []
    controls = {}
    for kind, values in _layout_rows(path, _PAGE_ROWS):
        if kind == "PAGE_WINDOW":
            size = (int(values[0]), int(values[1]))
        elif kind == "AREA_KIND":
            continue
        elif kind == "HOT_AREA":
            table, name, index, sub = values[0], values[1], int(values[2]), int(values[3])
            rows.append((_PAGES[table], name, index, sub, tuple(int(v) for v in values[4:])))
        else:
            controls[values[0]] = tuple(int(v) for v in values[1:])
    # The table counts from 0; an area with several rows is named by the numbers the page shows,
    # counted from 1, with the position on a scale after a dot where its rows have one.
    rows_of = Counter((page, name) for page, name, _, _, _ in rows)
    rows_at = Counter((page, name, index) for page, name, index, _, _ in rows)
    for page, name, index, sub, rect in rows:
        if rows_of[page, name] > 1:
            numbered = name + str(index + 1)
            if rows_at[page, name, index] > 1:
                numbered += f".{sub + 1}"
            name = numbered
        areas[page].append((name, rect))
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
