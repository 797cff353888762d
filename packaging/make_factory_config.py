#!/usr/bin/env python3
"""Writes the files installed beside the program: the factory config.bin and a fresh str.ini.

config.bin is 1986 bytes: a first-run flag 0 (so the program stores the default button labels on
its first start) followed by the 1985-byte device configuration record with factory values.
str.ini is UTF-16LE with a byte-order mark and names the default skin and its text colour; the
language is left to the installer.

Usage: make_factory_config.py --out DIR [--language CODE]
"""

import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "skins"))

import themes  # noqa: E402

RECORD_SIZE = 1985
SET_SIZE = 192
SET_B = 192
SLOTS = 12

# Offsets inside one assignment set: twelve bytes per field, one byte per button slot.
FUNCTION_INDEX = 0x00
MEDIA_ITEM = 0x0C
MEDIA_USAGE = 0x18
WINDOWS_ITEM = 0x24
WINDOWS_USAGE_LOW = 0x30
WINDOWS_USAGE_HIGH = 0x3C
FIRE_ITEM = 0x48
FIRE_CODE = 0x54
FIRE_SPEED = 0x60
FIRE_TIMES = 0x6C

# Settings block (record offsets).
REPORT_INTERVAL = 0x0785
DPI_POSITION = 0x0787
DPI_ENABLED = 0x078B
DPI_COLOUR = 0x078F
LIGHTING_MODE = 0x079B
STANDARD_BRIGHTNESS = 0x079C
RESPIRATION_CYCLE = 0x079D
NEON_CYCLE = 0x079E
STANDARD_EFFECT = 0x079F
RESPIRATION_EFFECT = 0x07A0
NEON_EFFECT = 0x07A1
POINTER_PRECISION = 0x07A3
SCROLL_ONE_SCREEN = 0x07A4
POINTER_SPEED = 0x07A5
SCROLL_LINES = 0x07A6
DOUBLE_CLICK = 0x07A7
KEY_MODE = 0x07A8
DPI_SWITCH_A = 0x07A9
DPI_SWITCH_B = 0x07B5

# Left, right, middle click, forward, backward, DPI switch twice, then unassigned.
DEFAULT_FUNCTIONS = [0, 1, 2, 3, 4, 6, 6, 15, 15, 15, 15, 15]
# DPI switch choice per slot: "DPI +" on slot 5, "DPI -" on slot 6; the rest hold a valid choice.
DEFAULT_DPI_SWITCH = [1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1]

# Positions valid on every sensor's scale (8 or 12 steps): 800/1200/2000/3200 dpi on the
# 8-step sensors, 500/1000/1500/2000 on the 12-step one.
FACTORY_DPI_POSITIONS = [1, 3, 5, 7]
# Stage colours as (red, green, blue); the record stores them red, blue, green.
FACTORY_STAGE_COLOURS = [(255, 0, 0), (0, 0, 255), (0, 255, 0), (255, 255, 0)]


def _assignment_set(record, base):
    for slot in range(SLOTS):
        record[base + FUNCTION_INDEX + slot] = DEFAULT_FUNCTIONS[slot]
        # The sub-dialogs' own defaults, so a function chosen later starts from sound values:
        # "Next" (usage B5h), "Multimedia Player" (usage 0183h), fire key A at speed 32, once.
        record[base + MEDIA_ITEM + slot] = 0
        record[base + MEDIA_USAGE + slot] = 0xB5
        record[base + WINDOWS_ITEM + slot] = 0
        record[base + WINDOWS_USAGE_LOW + slot] = 0x83
        record[base + WINDOWS_USAGE_HIGH + slot] = 1
        record[base + FIRE_ITEM + slot] = 0
        record[base + FIRE_CODE + slot] = 0x04
        record[base + FIRE_SPEED + slot] = 32
        record[base + FIRE_TIMES + slot] = 1


def factory_record():
    record = bytearray(RECORD_SIZE)
    _assignment_set(record, 0)
    _assignment_set(record, SET_B)
    record[REPORT_INTERVAL] = 1  # 1000 Hz
    for stage in range(4):
        record[DPI_POSITION + stage] = FACTORY_DPI_POSITIONS[stage]
        record[DPI_ENABLED + stage] = 1
        red, green, blue = FACTORY_STAGE_COLOURS[stage]
        record[DPI_COLOUR + 3 * stage:DPI_COLOUR + 3 * stage + 3] = bytes((red, blue, green))
    record[LIGHTING_MODE] = 1  # Standard
    record[STANDARD_BRIGHTNESS] = 7  # 75 %
    record[RESPIRATION_CYCLE] = 2  # 6 s
    record[NEON_CYCLE] = 3  # 2 s
    record[STANDARD_EFFECT] = 1
    record[RESPIRATION_EFFECT] = 1  # RGB Effect
    record[NEON_EFFECT] = 2  # RGB Flash
    record[POINTER_PRECISION] = 1
    record[SCROLL_ONE_SCREEN] = 0
    record[POINTER_SPEED] = 6
    record[SCROLL_LINES] = 3
    record[DOUBLE_CLICK] = 6
    record[KEY_MODE] = 0  # Mode A
    record[DPI_SWITCH_A:DPI_SWITCH_A + SLOTS] = bytes(DEFAULT_DPI_SWITCH)
    record[DPI_SWITCH_B:DPI_SWITCH_B + SLOTS] = bytes(DEFAULT_DPI_SWITCH)
    return bytes(record)


def config_bin():
    return bytes([0]) + factory_record()


def str_ini(language=None):
    theme = themes.DEFAULT
    lines = ["[Skins]", f"Path={theme.name}", f"RColor={theme.text[0]}", f"GColor={theme.text[1]}",
             f"BColor={theme.text[2]}"]
    if language:
        lines.append(f"Lan={language}")
    return "\ufeff".encode("utf-16-le") + ("\r\n".join(lines) + "\r\n").encode("utf-16-le")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, type=pathlib.Path)
    parser.add_argument("--language", help='value of "Lan" (CHS, CHT, GER or EN); omitted by default')
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    (args.out / "config.bin").write_bytes(config_bin())
    (args.out / "str.ini").write_bytes(str_ini(args.language))
    return 0


if __name__ == "__main__":
    sys.exit(main())
