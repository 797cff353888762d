#!/usr/bin/env python3
"""Checks the generated factory config.bin and str.ini byte by byte at the places the program reads."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parent / "make_factory_config.py"


def generate(*extra):
    folder = pathlib.Path(tempfile.mkdtemp())
    subprocess.run([sys.executable, str(SCRIPT), "--out", str(folder), *extra], check=True)
    return folder


class FactoryConfigTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = generate()
        cls.data = (cls.folder / "config.bin").read_bytes()

    def record(self, offset, length=1):
        # Record offset 0 is file offset 1, after the first-run flag.
        return list(self.data[1 + offset:1 + offset + length])

    def test_size_and_first_run_flag(self):
        self.assertEqual(len(self.data), 1986)
        self.assertEqual(self.data[0], 0)

    def test_default_buttons_in_both_sets(self):
        expected = [0, 1, 2, 3, 4, 6, 6, 15, 15, 15, 15, 15]
        for name, base in (("set A", 0), ("set B", 192)):
            with self.subTest(name):
                self.assertEqual(self.record(base, 12), expected)

    def test_dpi_switch_choices(self):
        for name, offset in (("set A", 1961), ("set B", 1973)):
            with self.subTest(name):
                choices = self.record(offset, 12)
                self.assertEqual(choices[5], 1)
                self.assertEqual(choices[6], 2)
                self.assertTrue(all(1 <= c <= 4 for c in choices))

    def test_settings_block(self):
        cases = [("report 1000 Hz", 1925, 1), ("lighting Standard", 1947, 1), ("standard effect", 1951, 1),
                 ("respiration effect", 1952, 1), ("neon effect", 1953, 2), ("precision on", 1955, 1),
                 ("one screen off", 1956, 0), ("speed position", 1957, 6), ("scroll lines", 1958, 3),
                 ("double-click position", 1959, 6), ("Mode A", 1960, 0)]
        for name, offset, value in cases:
            with self.subTest(name):
                self.assertEqual(self.record(offset), [value])
        self.assertLessEqual(self.record(1948)[0], 9)

    def test_dpi_stages_enabled_with_distinct_colours(self):
        self.assertEqual(self.record(1931, 4), [1, 1, 1, 1])
        positions = self.record(1927, 4)
        self.assertEqual(positions, sorted(set(positions)))
        self.assertTrue(all(p < 8 for p in positions))
        colours = [tuple(self.record(1935 + 3 * s, 3)) for s in range(4)]
        self.assertEqual(len(set(colours)), 4)
        # Stored red, blue, green: stage 1 red, stage 2 blue, stage 3 green.
        self.assertEqual(colours[:3], [(255, 0, 0), (0, 255, 0), (0, 0, 255)])

    def test_macro_slots_empty(self):
        self.assertEqual(self.record(384, 1536), [0] * 1536)


class FactorySettingsTest(unittest.TestCase):
    def read(self, folder):
        raw = (folder / "str.ini").read_bytes()
        self.assertEqual(raw[:2], b"\xff\xfe")
        text = raw[2:].decode("utf-16-le")
        return dict(line.split("=", 1) for line in text.splitlines() if "=" in line), text

    def test_skin_and_readable_colour_without_language(self):
        values, text = self.read(generate())
        self.assertTrue(text.startswith("[Skins]"))
        self.assertNotIn("Lan", values)
        self.assertTrue(values["Path"])
        colour = [int(values[k]) for k in ("RColor", "GColor", "BColor")]
        self.assertTrue(all(0 <= c <= 255 for c in colour))
        self.assertGreater(sum(colour), 3 * 160, "text colour too dark for the dark skins")

    def test_language_written_when_asked(self):
        values, _ = self.read(generate("--language", "GER"))
        self.assertEqual(values["Lan"], "GER")


if __name__ == "__main__":
    unittest.main()
