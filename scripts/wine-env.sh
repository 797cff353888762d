# Sourced by the scripts that run Windows programs: a private Wine prefix with CJK fonts mapped, and
# a virtual X display when there is none.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export LC_ALL=C.UTF-8
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

if [ -z "${DISPLAY:-}" ]; then
    for display_number in $(seq 90 99); do
        if [ ! -e "/tmp/.X11-unix/X$display_number" ] && [ ! -e "/tmp/.X$display_number-lock" ]; then
            Xvfb ":$display_number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
            GM_XVFB_PID=$!
            export DISPLAY=":$display_number"
            # Up to 30 s on a loaded machine; the loop ends as soon as the display is there.
            for _ in $(seq 300); do
                [ -e "/tmp/.X11-unix/X$display_number" ] && break
                sleep 0.1
            done
            trap 'kill $GM_XVFB_PID 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
            break
        fi
    done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    bash "$root/scripts/wine-fonts.sh"
fi
