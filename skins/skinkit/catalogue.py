"""Every image a skin folder holds, with its size and the function that draws it."""

from functools import partial

from layout import WINDOW_SIZE, dialog_size
from skinkit import dialogs, elements, pages


def images(theme):
    """File name -> (expected size, drawing function of no arguments)."""
    table = {
        "main.png": (WINDOW_SIZE, partial(pages.main_canvas, theme)),
        "BasicSet2.png": (WINDOW_SIZE, partial(pages.basic_page, theme)),
        "AdvancedSet2.png": (WINDOW_SIZE, partial(pages.advanced_page, theme)),
    }
    for state in ("normal", "over"):
        over = state == "over"
        table[f"button-{state}.png"] = ((105, 21), partial(elements.text_button, theme, over))
        table[f"button-close-{state}.png"] = ((18, 18), partial(elements.title_button, theme, "close", over))
        table[f"button-min-{state}.png"] = ((18, 18), partial(elements.title_button, theme, "minimise", over))
        table[f"button-Skins-{state}.png"] = ((18, 18), partial(elements.title_button, theme, "skins", over))
        table[f"button-Profiles-{state}.png"] = ((18, 18), partial(elements.title_button, theme, "profiles", over))
        table[f"button-PrePage-{state}.png"] = ((40, 40), partial(elements.page_button, theme, "mouse", over))
        table[f"button-NextPage-{state}.png"] = ((40, 40), partial(elements.page_button, theme, "sliders", over))
        table[f"DropdownBox-{state}.png"] = ((211, 21), partial(elements.dropdown_box, theme, over))
    for state in ("dark", "light"):
        lit = state == "light"
        table[f"slider-RP-{state}.png"] = ((70, 11), partial(elements.report_segment, theme, lit))
        table[f"slider-DPI-{state}.png"] = ((16, 16), partial(elements.dpi_cell, theme, lit))
        table[f"slider-{state}.png"] = ((24, 11), partial(elements.pointer_segment, theme, lit))
    table["Pane.png"] = ((16, 16), partial(elements.check_box, theme, False))
    table["PaneMakingTick.png"] = ((16, 16), partial(elements.check_box, theme, True))
    for name, draw in dialogs.DIALOG_IMAGES.items():
        table[name] = (dialog_size(name), partial(draw, theme))
    return table

