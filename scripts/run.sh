#!/usr/bin/env bash
# Builds marlix32.exe (the i686 build users get; the x86_64 build of the same program where this
# host's wine cannot start 32-bit programs, as it then says) and runs it under wine on the demo
# Windows directory (demo/atm.ini and demo/win.ini, installed into build/wine-run the first time,
# with --reset, or when the prefix is made again for a changed wine). Any further argument is
# passed to the program (a list file). Without a display it runs under Xvfb for a few seconds and
# saves a screenshot to build/screenshot.png. When the program ends or shows no window within
# 30 s, it says so and exits non-zero.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh"
source "$here/wine-env.sh"
i686_emulator_enter "$here/run.sh" "$@"

reset=0
if [ "${1:-}" = "--reset" ]; then reset=1; shift; fi
wine_template_prefix
preset=win32
loader=$WINE32
if ! wine_runs_i686; then
    preset=win64
    loader=$WINE64
    echo "run.sh: running the x86_64 build (build/win64/marlix32.exe), not the i686 one users" \
        "get, because $(wine_i686_reason)"
elif [ -n "${MARLIX_EMULATOR:-}" ]; then
    echo "run.sh: running the i686 exe, the one users get, under the emulator ($MARLIX_EMULATOR)"
fi
log="$root/build/run-build.log"
{ cmake --preset $preset && cmake --build --preset $preset -j2 --target marlix32; } >"$log" 2>&1 \
    || step_failed "the build of marlix32.exe (preset $preset)" "$log"
export WINEPREFIX="$root/build/wine-run"
log="$root/build/run-prefix.log"
if ! wine_prefix_current "$WINEPREFIX"; then
    wine_fresh_prefix "$WINEPREFIX" >"$log" 2>&1 \
        || step_failed "the copy of the template prefix into $WINEPREFIX" "$log"
fi
windows="$WINEPREFIX/drive_c/windows"
if [ $reset -eq 1 ] || [ ! -f "$windows/atm.ini" ]; then
    cp demo/atm.ini demo/win.ini "$windows/"
    # wine keeps [windows] of win.ini in the registry, as Windows NT does.
    wine64 reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device \
        /d "$(sed -n 's/^device=//p' demo/win.ini | tr -d '\r')" /f >"$log" 2>&1 \
        || step_failed "setting the demo's printer (device=) in $WINEPREFIX's registry" "$log"
    # Until this wineserver and the desktop process it started without a display are gone, the
    # program would join them and fail to make its window.
    wineserver -w
fi
exe="$root/build/$preset/marlix32.exe"

# Starts the program in the background (its process id in $program) and waits until one of its
# windows is on the X display: wine names each top-level window's class after the exe.
start_program() { # loader exe args...
    local loader=$1
    shift
    "$loader" "$@" </dev/null >/dev/null 2>&1 &
    program=$!
    for _ in $(seq 300); do
        xwininfo -root -children 2>/dev/null | grep -q '("marlix32.exe"' && return 0
        if ! kill -0 "$program" 2>/dev/null; then
            local code=0
            wait "$program" || code=$?
            echo "run.sh: marlix32.exe ended with exit code $code before its window appeared"
            return 1
        fi
        sleep 0.1
    done
    echo "run.sh: no window of marlix32.exe appeared within 30 s"
    return 1
}
# In the caller's display: until the user closes the program.
run_on_display() { # loader exe args...
    start_program "$@" || return 1
    wait "$program"
}
# In a screen of its own: a screenshot after a second.
run_for_screenshot() { # shot loader exe args...
    local shot=$1
    shift
    start_program "$@" || return 1
    sleep 1
    wine_screenshot "$shot"
}

if [ -n "${DISPLAY:-}" ]; then
    wine_session 800x600 run_on_display "$loader" "$exe" "$@"
    exit
fi
shot="$root/build/screenshot.png"
rm -f "$shot"
wine_session 800x600 run_for_screenshot "$shot" "$loader" "$exe" "$@"
echo "No display: ran under Xvfb; screenshot saved to $shot"
