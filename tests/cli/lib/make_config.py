#!/usr/bin/env python3
"""Writes a config.bin for the mousecfg tests: the default buttons in both key modes, and in key
mode B (the active one) a macro key on button 1 and a single key on button 4; report rate 500 Hz,
two DPI stages, Neon lighting, macro 3 looping 300 times. An optional second argument gives the
file length instead of 1986, for the wrong-size cases."""
import sys

RECORD = 1  # record offset 0 lies at file offset 1
SET_B = 0xC0

path = sys.argv[1]
length = int(sys.argv[2]) if len(sys.argv) > 2 else 1986
data = bytearray(1986)
data[0] = 1
for set_offset, dpi_choices in ((0, 0x7A9), (SET_B, 0x7B5)):
    for slot, function in enumerate([0, 1, 2, 3, 4, 6, 6, 15, 15, 15, 15, 15]):
        data[RECORD + set_offset + slot] = function
    data[RECORD + dpi_choices + 5] = 1
    data[RECORD + dpi_choices + 6] = 4
data[RECORD + SET_B + 0] = 13          # macro key
data[RECORD + SET_B + 0xA8 + 0] = 2    # macro number 2 (the third macro)
data[RECORD + SET_B + 0xB4 + 0] = 1    # repeat mode
data[RECORD + SET_B + 3] = 11          # single key
data[RECORD + SET_B + 0x78 + 3] = 0x04
data[RECORD + 0x7A8] = 1               # key mode B
data[RECORD + 0x785] = 2               # 500 Hz
data[RECORD + 0x787:RECORD + 0x78F] = bytes([4, 7, 0, 0, 1, 0, 1, 0])
data[RECORD + 0x79B] = 3               # Neon
data[RECORD + 0x79E] = 29              # 15S
data[RECORD + 0x7A1] = 3               # RGB Fixed On
macro3 = RECORD + 0x180 + 2 * 128
data[macro3:macro3 + 4] = bytes([0x01, 0x2C, 0x05, 0x04])
data[RECORD + 0x7A5] = 6
data[RECORD + 0x7A6] = 3
data[RECORD + 0x7A7] = 6
data = data[:length] + bytes(max(0, length - len(data)))
with open(path, "wb") as out:
    out.write(data)
