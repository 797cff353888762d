#!/usr/bin/env bash
# The include-layer check on small source trees: what passes and what fails the build.
set -u
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
map=(common= config=common app=config "app/win=app" "skin/win=")

# expect EXIT FILE CONTENT: a tree of app/page.h, app/win/view.h, config/record.h and FILE with
# CONTENT.
expect() {
    local wanted=$1 file=$2 content=$3
    rm -rf "$work/src"
    mkdir -p "$work/src/app/win" "$work/src/config" "$work/src/common"
    echo '#pragma once' >"$work/src/app/page.h"
    echo '#pragma once' >"$work/src/config/record.h"
    echo '#pragma once' >"$work/src/app/win/view.h"
    printf '%s\n' "$content" >"$work/src/$file"
    /usr/bin/python3 "$script" "$work/src" "${map[@]}" 2>/dev/null
    local got=$?
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: $file with '$content' gave $got, wanted $wanted"
        failures=$((failures + 1))
    fi
}

expect 0 app/view.cpp '#include "config/record.h"'
expect 1 config/state.cpp '#include "app/page.h"'
expect 0 config/state.cpp '#include "config/record.h"'
expect 1 common/text.h '#include "config/record.h"'
expect 1 config/state.cpp '#include <windows.h>'
expect 0 app/win/view.cpp '#include <windows.h>'
expect 1 app/model.cpp '#include "app/win/view.h"'
expect 1 config/lang.cpp 'const wchar_t* code = L"GER";'
expect 0 app/win/view.cpp '#include "app/page.h"'

echo "$((9 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
