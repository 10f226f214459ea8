#!/usr/bin/env bash
# Times the shipped exe (i686, preset win32) and the x86_64 exe (preset win64) side by side under
# wine, driven from outside with 1001 fonts (tools/win32/bench_programs.cpp), each against a bare
# window program of its own build; prints a table of medians over ROUNDS rounds (default 7).
# Uses its own wine prefix, build/wine-bench, with demo/win.ini as its WIN.INI, and draws as
# Windows 95 to 2000 do, without wine's default visual style: under that style every scroll bar
# drawn costs about 3 ms, which the program's users never pay (--styled keeps it).
# --against COMMIT adds the two exes of that commit (built in a worktree under build/), so that a
# change is timed before and after in one run, on the same machine at the same moment.
#   scripts/bench.sh [ROUNDS] [--styled] [--against COMMIT]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh"
source "$here/wine-env.sh"
rounds=7
styled=0
against=""
while [ $# -gt 0 ]; do
    case $1 in
    --styled) styled=1 ;;
    --against) against=$(git rev-parse --short "$2"); shift ;;
    *) rounds=$1 ;;
    esac
    shift
done

for preset in win32 win64 win32-tests; do
    [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
done
cmake --build --preset win32 -j2 --target marlix32 >/dev/null
cmake --build --preset win64 -j2 --target marlix32 bare_window bench_programs >/dev/null
cmake --build build/win32-tests -j2 --target bare_window >/dev/null
bare32="Z:$root/build/win32-tests/tools/win32/bare_window.exe"
bare64="Z:$root/build/win64/tools/win32/bare_window.exe"
programs=()
if [ -n "$against" ]; then
    old="$root/build/bench-against"
    [ -d "$old" ] || git worktree add -q --detach "$old" "$against"
    git -C "$old" checkout -q --detach "$against"
    for preset in win32 win64; do
        (cd "$old" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j2 \
            --target marlix32 >/dev/null)
    done
    programs+=("i686 $against" "Z:$old/build/win32/marlix32.exe" "$bare32"
               "x86_64 $against" "Z:$old/build/win64/marlix32.exe" "$bare64")
fi
programs+=("i686" "Z:$root/build/win32/marlix32.exe" "$bare32"
           "x86_64" "Z:$root/build/win64/marlix32.exe" "$bare64")

wine_template_prefix
export WINEPREFIX="$root/build/wine-bench"
wine_fresh_prefix "$WINEPREFIX"
cp demo/win.ini "$WINEPREFIX/drive_c/windows/"
if [ $styled -eq 0 ]; then
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive \
        /d 0 /f >/dev/null 2>&1
    wineserver -w
fi

cat > build/run-bench.sh <<INNER
set -u
wineserver -p
# Warm-up: the first program that makes a window starts wine's helper processes.
wine "$root/build/win64/tools/win32/bare_window.exe" </dev/null >/dev/null 2>&1 &
sleep 3
wineserver -k; wineserver -p
# Output to a file, not a pipe: wine's helper processes keep a pipe open after the tool ends.
wine "$root/build/win64/tools/win32/bench_programs.exe" $rounds 'C:\\bench1001.mxf' \
    $(printf '"%s" ' "${programs[@]}") </dev/null >build/bench.log 2>&1
code=\$?
wineserver -k
exit \$code
INNER
status=0
if [ -n "${DISPLAY:-}" ]; then
    bash build/run-bench.sh || status=$?
else
    xvfb-run -a -s "-screen 0 1024x768x24" bash build/run-bench.sh || status=$?
fi
tr -d '\r' <build/bench.log
exit $status
