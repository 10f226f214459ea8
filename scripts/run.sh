#!/usr/bin/env bash
# Builds marlix32.exe and runs it under wine on the demo Windows directory (demo/atm.ini and
# demo/win.ini, installed into build/wine-run the first time or with --reset). Any further
# argument is passed to the program (a list file). Without a display it runs under Xvfb for a
# few seconds and saves a screenshot to build/screenshot.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh"
source "$here/wine-env.sh"

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target marlix32 >/dev/null

reset=0
if [ "${1:-}" = "--reset" ]; then reset=1; shift; fi
wine_template_prefix
export WINEPREFIX="$root/build/wine-run"
[ -d "$WINEPREFIX" ] || wine_fresh_prefix "$WINEPREFIX"
windows="$WINEPREFIX/drive_c/windows"
if [ $reset -eq 1 ] || [ ! -f "$windows/atm.ini" ]; then
    cp demo/atm.ini demo/win.ini "$windows/"
    # wine keeps [windows] of win.ini in the registry, as Windows NT does.
    wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device \
        /d "$(sed -n 's/^device=//p' demo/win.ini | tr -d '\r')" /f >/dev/null 2>&1
fi
exe="$root/build/win64/marlix32.exe"

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe" "$@"
fi
shot="$root/build/screenshot.png"
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    wine "$0" "${@:2}" >/dev/null 2>&1 &
    # Until the window is up (a first start in a new prefix takes longer): a black screen
    # compresses to almost nothing.
    for _ in $(seq 30); do
        sleep 1
        import -window root "$1"
        [ "$(stat -c %s "$1")" -gt 5000 ] && break
    done
    sleep 1
    import -window root "$1"
    wineserver -k' "$exe" "$shot" "$@"
echo "No display: ran under Xvfb; screenshot saved to $shot"
