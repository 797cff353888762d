# Shared by the end-to-end scenarios (sourced). Usage in a scenario:
#   source "$(dirname "$0")/lib.sh" "$1"      # $1 = Windows build folder
# It prepares a fresh copy of the program folder in a temporary directory, runs the program under
# Wine and talks to it through e2e_driver.exe. Screenshots go to $GM_ARTIFACTS (default artifacts/).
set -euo pipefail

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$(cd "${1:?usage: scenario.test.sh WINDOWS-BUILD-DIR}" && pwd)
scenario=$(basename "$0" .test.sh)
artifacts=${GM_ARTIFACTS:-$e2e_root/artifacts}
mkdir -p "$artifacts"

if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    root=$e2e_root
    source "$e2e_root/scripts/wine-env.sh"
fi
export WINEDEBUG=${WINEDEBUG:--all}

exe_name="Krello_Marrowin².exe"
driver_exe="$build_dir/e2e_driver.exe"
work_dir=$(mktemp -d "${TMPDIR:-/tmp}/gm-e2e-$scenario.XXXXXX")
program_dir="$work_dir/program"
program_pids=()

cleanup() {
    local pid
    for pid in "${program_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work_dir"
    # This trap replaces the one wine-env.sh set: end the virtual display it started, if any.
    if [ -n "${GM_XVFB_PID:-}" ]; then
        wineserver -k 2>/dev/null || true
        kill "$GM_XVFB_PID" 2>/dev/null || true
    fi
}
trap cleanup EXIT

fail() {
    echo "FAIL [$scenario]: $*" >&2
    exit 1
}

# A command that fails outside a check ends the scenario (set -e); say which, so such an end is never
# a silent one. Inside functions too (set -E).
set -E
trap 'echo "FAIL [$scenario]: \"$BASH_COMMAND\" failed at ${BASH_SOURCE[0]##*/}:$LINENO" >&2' ERR

# The scenarios never look at a file, a pixel or a window right after an input: the program takes
# it a moment later, longer on a loaded machine. They wait for the condition they check instead;
# a wait ends as soon as its condition holds, so the generous time-outs cost nothing when all is well.

# Runs COMMAND... until it succeeds, for at most TIMEOUT seconds; fails the scenario with WHAT
# when it never does. Usage: wait_for "the Basic page built" 30 driver control-text 80
wait_for() {
    local what=$1 limit=$2
    local deadline=$((SECONDS + limit))
    shift 2
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$what (not within $limit s)"
        sleep 0.1
    done
}

# Runs COMMAND... until it prints EXPECTED (carriage returns dropped), for at most TIMEOUT seconds;
# fails the scenario with WHAT and the last output when it never does.
# Usage: wait_for_output "the report rate in config.bin" 30 8 config_byte "$config" 1925
wait_for_output() {
    local what=$1 limit=$2 expected=$3 output
    local deadline=$((SECONDS + limit))
    shift 3
    until output=$("$@" 2>/dev/null | tr -d '\r') && [ "$output" = "$expected" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$what: '$output', not '$expected' (within $limit s)"
        sleep 0.1
    done
}

# Skips the scenario (CTest's skip code 77) when the emulated build was not built.
require_emulated_build() {
    [ -f "$build_dir/emulated/$exe_name" ] || { echo "SKIP [$scenario]: no emulated build"; exit 77; }
}

# The program folder: the chosen build's exe, and the installed data files from dist/ when they are
# there, else a factory-like config.bin (1986 bytes, first byte 0) and a one-image skin.
# Usage: prepare_program [hardware|emulated]
prepare_program() {
    local flavour=${1:-hardware} source_dir
    case $flavour in
    hardware) source_dir="$build_dir/program" ;;
    emulated) source_dir="$build_dir/emulated" ;;
    esac
    [ -f "$source_dir/$exe_name" ] || fail "no $flavour build in $source_dir"
    mkdir -p "$program_dir"
    if [ -d "$e2e_root/dist/Skins" ] && [ -f "$e2e_root/dist/config.bin" ]; then
        cp -r "$e2e_root/dist/Skins" "$e2e_root/dist/config.bin" "$program_dir/"
    else
        head -c 1986 /dev/zero >"$program_dir/config.bin"
        mkdir -p "$program_dir/Skins/E2E"
        convert -size 450x325 gradient:'#203040-#101418' "$program_dir/Skins/E2E/main.png"
    fi
    cp "$source_dir/$exe_name" "$program_dir/"
}

# Writes str.ini with the given "key=value" lines under [Skins] and the first skin folder as Path.
write_settings() {
    local skin
    skin=$(find "$program_dir/Skins" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort | head -1)
    {
        printf '[Skins]\r\nPath=%s\r\n' "$skin"
        local line
        for line in "$@"; do
            printf '%s\r\n' "$line"
        done
    } >"$program_dir/str.ini"
}

# Starts the program in the background; its Wine debug output goes to $work_dir/program-N.log.
# Sets program_pid.
start_program() {
    local log="$work_dir/program-${#program_pids[@]}.log"
    wine "$program_dir/$exe_name" 2>"$log" &
    program_pid=$!
    program_pids+=("$program_pid")
}

# The driver answers 0 (done), 1 (not so) or 2 (usage); any other code means it did not run to its
# end (a crash), which a scenario's own message would hide. The driver marks its start in a file:
# Wine now and then fails to start a program and ends with code 1 without a word; such a start is
# tried again, up to three times, and said.
driver_started="$work_dir/driver-started"
# The same file as the driver names it: Wine's drive Z: is the root of the Linux file system.
driver_started_windows="Z:${driver_started//\//\\}"
driver() {
    local code attempt
    for attempt in 1 2 3; do
        code=0
        rm -f "$driver_started"
        GM_DRIVER_STARTED=$driver_started_windows wine "$driver_exe" "$@" || code=$?
        [ "$code" -eq 0 ] || [ -e "$driver_started" ] || {
            echo "e2e_driver $* did not start (attempt $attempt, code $code)" >&2
            continue
        }
        [ "$code" -le 2 ] || echo "e2e_driver $* ended with code $code" >&2
        return "$code"
    done
    return "$code"
}

process_ended() {
    ! kill -0 "$1" 2>/dev/null
}

# Waits for the main window and sets main_window to its handle.
wait_for_main_window() {
    main_window=$(driver find 30000) || fail "the main window did not appear"
}

# Waits for a background program to end (at most $2 seconds) and sets exit_code.
wait_for_exit() {
    local pid=$1
    wait_for "the program ends" "${2:-30}" process_ended "$pid"
    set +e
    wait "$pid"
    exit_code=$?
    set -e
}

screenshot() {
    import -window root "$artifacts/e2e-$scenario-$1.png"
}

# Ends the program through the icon's menu and checks that it ended with code 0.
exit_through_menu() {
    driver tray right-up
    driver menu-shown >/dev/null || fail "the notification menu did not open"
    driver menu-choose 2
    wait_for_exit "$program_pid"
    [ "$exit_code" -eq 0 ] || fail "Exit ended the program with code $exit_code"
}
