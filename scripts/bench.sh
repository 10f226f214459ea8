#!/usr/bin/env bash
# Times the shipped exe (i686, preset win32) and the x86_64 exe (preset win64) side by side under
# wine, driven from outside with 1001 fonts (tools/win32/bench_programs.cpp), each against a bare
# window program of its own build; prints a table of medians over ROUNDS rounds (default 7). On a
# host that cannot run 32-bit Windows programs it times the x86_64 rows alone, and says so.
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
i686_emulator_enter "$here/bench.sh" "$@"
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

wine_template_prefix
# The i686 rows need a host that runs 32-bit Windows programs.
presets="win32 win64"
if ! wine_runs_i686; then
    presets="win64"
    echo "bench: the x86_64 rows alone: the shipped i686 exe cannot run here, because" \
        "$(wine_i686_reason)"
fi
log="$root/build/bench-build.log"
# Builds marlix32.exe of the presets in the current folder.
build_programs() {
    local preset
    for preset in $presets; do
        { [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset"; } >"$log" 2>&1 \
            && cmake --build --preset "$preset" -j2 --target marlix32 >>"$log" 2>&1 \
            || step_failed "the build of marlix32.exe (preset $preset) in $PWD" "$log"
    done
}
build_programs
# The bare window program of each build, and the bench tool.
build_tools() {
    cmake --build --preset win64 -j2 --target bare_window bench_programs || return 1
    [ "$presets" = win64 ] && return 0
    { [ -f build/win32-tests/CMakeCache.txt ] || cmake --preset win32-tests; } \
        && cmake --build build/win32-tests -j2 --target bare_window
}
build_tools >"$log" 2>&1 || step_failed "the build of the bench tools" "$log"
bare32="Z:$root/build/win32-tests/tools/win32/bare_window.exe"
bare64="Z:$root/build/win64/tools/win32/bare_window.exe"
# Under the emulator the i686 rows time qemu as much as the program: they are marked, and
# compare only with each other; the x86_64 rows stay the reference.
i686_label=i686
if [ -n "${MARLIX_EMULATOR:-}" ]; then
    i686_label=i686-emulated
    echo "bench: the i686 rows run under the emulator ($MARLIX_EMULATOR): compare them only with" \
        "each other"
fi
# The rows of one commit's exes: label suffix, then the folder holding build/.
add_rows() {
    [ "$presets" = win64 ] || programs+=("$i686_label$1" "Z:$2/build/win32/marlix32.exe" "$bare32")
    programs+=("x86_64$1" "Z:$2/build/win64/marlix32.exe" "$bare64")
}
programs=()
if [ -n "$against" ]; then
    old="$root/build/bench-against"
    [ -d "$old" ] || git worktree add -q --detach "$old" "$against"
    git -C "$old" checkout -q --detach "$against"
    (cd "$old" && build_programs)
    add_rows " $against" "$old"
fi
add_rows "" "$root"

export WINEPREFIX="$root/build/wine-bench"
wine_fresh_prefix "$WINEPREFIX"
cp demo/win.ini "$WINEPREFIX/drive_c/windows/"
if [ $styled -eq 0 ]; then
    wine64 reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive \
        /d 0 /f >"$log" 2>&1 || step_failed "turning off wine's visual style in $WINEPREFIX" "$log"
    wineserver -w
fi

# Output to a file, not a pipe: wine's helper processes keep a pipe open after the tool ends.
time_programs() { # rounds programs...
    # Warm-up: the first program that makes a window starts wine's helper processes; the rounds
    # then get a wineserver of their own.
    wine64 "$root/build/win64/tools/win32/bare_window.exe" </dev/null >/dev/null 2>&1 &
    sleep 3
    wineserver -k
    wineserver -p
    wine64 "$root/build/win64/tools/win32/bench_programs.exe" "$1" 'C:\bench1001.mxf' \
        "${@:2}" </dev/null >build/bench.log 2>&1
}
status=0
wine_session 1024x768 time_programs "$rounds" "${programs[@]}" || status=$?
tr -d '\r' <build/bench.log
exit $status
