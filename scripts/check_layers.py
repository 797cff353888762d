#!/usr/bin/env python3
"""Fails when a source file reaches past its library's declared dependencies.

Usage: check_layers.py SRC_DIR FOLDER=DEP,DEP... [FOLDER=...]

Each argument names a folder of SRC_DIR (e.g. "device" or "device/win") and the libraries it
depends on ("config", "ui_win", ...). A file may include headers of its own folder and of every
folder its dependencies reach, directly or through theirs. Besides that:
- a portable file (outside a win/ folder) includes no Windows header and nothing from a win/ folder;
- no file outside src/lang names a language code: the language tables are the one place for them.
"""
import re
import sys
from pathlib import Path

WINDOWS_HEADERS = {
    "windows.h", "windowsx.h", "commdlg.h", "commctrl.h", "shellapi.h", "shlwapi.h", "dbt.h",
    "setupapi.h", "hidsdi.h", "hidpi.h", "hidusage.h", "gdiplus.h", "objidl.h", "winuser.h",
    "wingdi.h", "winbase.h", "winnt.h", "tchar.h",
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
LANGUAGE_CODE = re.compile(r'L"(CHS|CHT|GER|EN)"')


def folder_of_library(name):
    return name[: -len("_win")] + "/win" if name.endswith("_win") else name


def included_folder(header):
    parts = header.split("/")
    if len(parts) < 2:
        return None
    if len(parts) >= 3 and parts[1] == "win":
        return parts[0] + "/win"
    return parts[0]


def main():
    src = Path(sys.argv[1])
    direct = {}
    for declaration in sys.argv[2:]:
        folder, _, deps = declaration.partition("=")
        direct[folder] = [folder_of_library(d) for d in deps.split(",") if d]

    def reach(folder, seen):
        for dep in direct.get(folder, []):
            if dep not in seen:
                seen.add(dep)
                reach(dep, seen)
        return seen

    allowed = {folder: reach(folder, {folder}) for folder in direct}
    problems = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        rel = path.relative_to(src).as_posix()
        parts = rel.split("/")
        folder = parts[0] + "/win" if "win" in parts[1:-1] else parts[0]
        portable = not folder.endswith("/win")
        if not portable and folder not in allowed:
            continue  # a build without the Windows shell declares no win/ folders
        text = path.read_text(encoding="utf-8", errors="replace")
        for kind, header in INCLUDE.findall(text):
            if kind == "<":
                if portable and header.lower() in WINDOWS_HEADERS:
                    problems.append(f"{rel}: portable code includes <{header}>")
                continue
            target = included_folder(header)
            if target is None or not (src / header).exists():
                continue
            if portable and target.endswith("/win"):
                problems.append(f'{rel}: portable code includes "{header}"')
            elif folder in allowed and target not in allowed[folder]:
                problems.append(f'{rel}: "{header}" lies above {folder} (it may use {sorted(allowed[folder])})')
            elif folder not in allowed:
                problems.append(f"{rel}: folder {folder} has no declared library")
                break
        if parts[0] != "lang" and LANGUAGE_CODE.search(text):
            problems.append(f"{rel}: names a language code; texts come from the language tables")
    for problem in problems:
        print(f"layer check: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
