#!/usr/bin/env bash
# The shipped executables are statically linked: they import no MinGW run-time DLLs, so they run on a
# Windows without MinGW installed.
set -euo pipefail
build_dir=${1:?usage: static_executables.test.sh WINDOWS-BUILD-DIR}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

checked=0
while IFS= read -r -d '' exe; do
    imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$imports" ] || { echo "FAIL: no import table read from $exe" >&2; exit 1; }
    if grep -iE '^(libstdc\+\+|libgcc|libwinpthread)' <<<"$imports"; then
        echo "FAIL: $exe imports MinGW run-time DLLs" >&2
        exit 1
    fi
    checked=$((checked + 1))
done < <(find "$build_dir/program" "$build_dir/emulated" -maxdepth 1 -name '*.exe' -print0 2>/dev/null;
         find "$build_dir" -maxdepth 1 -name 'mousecfg.exe' -print0)

[ "$checked" -gt 0 ] || { echo "FAIL: no executables found under $build_dir" >&2; exit 1; }
echo "PASS: $checked executables import no MinGW run-time DLLs"
