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
wine_prefix_current "$WINEPREFIX" || wine_fresh_prefix "$WINEPREFIX"
windows="$WINEPREFIX/drive_c/windows"
if [ $reset -eq 1 ] || [ ! -f "$windows/atm.ini" ]; then
    cp demo/atm.ini demo/win.ini "$windows/"
    # wine keeps [windows] of win.ini in the registry, as Windows NT does.
    wine64 reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device \
        /d "$(sed -n 's/^device=//p' demo/win.ini | tr -d '\r')" /f >/dev/null 2>&1
    # Until this wineserver and the desktop process it started without a display are gone, the
    # program would join them and fail to make its window.
    wineserver -w
fi
exe="$root/build/$preset/marlix32.exe"

# Starts the program in the background (its process id in $program) and waits until one of its
# windows is on the X display: wine names each top-level window's class after the exe.
start_program() {
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
    wineserver -k
    return 1
}

if [ -n "${DISPLAY:-}" ]; then
    start_program "$exe" "$@"
    wait "$program"
    exit
fi
shot="$root/build/screenshot.png"
rm -f "$shot"
# xvfb-run is a sh script, which drops exported functions: the definition goes in the command.
xvfb-run -a -s "-screen 0 800x600x24" bash -c "$(declare -f start_program)"'
    loader=$2
    start_program "${@:3}" || exit 1
    sleep 1
    import -window root "$1"
    wineserver -k' _ "$shot" "$loader" "$exe" "$@"
echo "No display: ran under Xvfb; screenshot saved to $shot"
