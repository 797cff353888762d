#!/usr/bin/env python3
"""Writes the files installed beside the program: the factory config.bin and a fresh str.ini.

config.bin is 1986 bytes: a first-run flag 0 (so the program stores the default button labels on
its first start) followed by the 1985-byte device configuration record with factory values.
The record's values come from src/config/factory_config_values.inc, the table the program compiles
in as well. str.ini is UTF-16LE with a byte-order mark and names the default skin and its text
colour; the language is left to the installer.

Usage: make_factory_config.py --out DIR [--language CODE]
"""

import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "skins"))

import themes  # noqa: E402

# The factory values, shared with the program (src/config/factory_config.cpp).
VALUES = ROOT / "src" / "config" / "factory_config_values.inc"

RECORD_SIZE = 1985
SET_B = 192
SLOTS = 12

ENTRY = re.compile(r"^(FACTORY_SLOTS|FACTORY_EVERY_SLOT|FACTORY_BYTES)\((.*)\)$")


def _entries(text):
    """Yields (kind, numbers) for each entry line of the values table."""
    for number, line in enumerate(text.splitlines(), 1):
        line = line.split("//", 1)[0].strip()
        if not line:
            continue
        match = ENTRY.match(line)
        if not match:
            raise ValueError(f"{VALUES.name}:{number}: not an entry: {line}")
        yield match.group(1), [int(field, 0) for field in match.group(2).split(",")]


def factory_record():
    record = bytearray(RECORD_SIZE)

    def put(offset, values):
        if offset + len(values) > RECORD_SIZE or any(not 0 <= v <= 255 for v in values):
            raise ValueError(f"entry at {offset:#06x} does not fit the record")
        record[offset:offset + len(values)] = bytes(values)

    for kind, numbers in _entries(VALUES.read_text(encoding="utf-8")):
        offset, values = numbers[0], numbers[1:]
        if kind == "FACTORY_BYTES":
            put(offset, values)
            continue
        if kind == "FACTORY_EVERY_SLOT":
            values = values * SLOTS
        if len(values) != SLOTS or offset + SLOTS > SET_B:
            raise ValueError(f"slot field {offset:#04x} needs {SLOTS} values inside one set")
        put(offset, values)
        put(SET_B + offset, values)
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
