#!/usr/bin/env bash
# Starts the packaged marlix32.exe once, as a user would get it: unpacks the zip into a temporary
# folder (the exe as copied out of the floppy image beside it, checked against the zip's sums),
# installs demo/atm.ini and demo/win.ini into the caller's wine prefix, and has the probe
# (tools/win32/start_probe.cpp, from the win64 build) check that the main window comes up with
# the demo catalogue's 35 fonts and that the program ends with exit code 0 when closed; then once
# more with demo/sample.mxf named on the command line, from a folder with a blank in its name: 5 of
# the catalogue's fonts must then show in the selected list and 30 in the catalogue's, and saved
# into a printer section, WIN.INI must count them.
# Usage: scripts/package-smoke.sh [--report FILE] [ZIP]   (default: the newest
# dist/marlix32-*-win32.zip); --report also writes the result, however the smoke ends, as a
# JUnit-style report to FILE (tools/test_report.py): the start, and under the emulator the
# instruction log.
# Needs: WINEPREFIX set to a prefix made by this wine with 32-bit support (wine32), DISPLAY
# (e.g. under xvfb-run -a, or in a wine_session of scripts/wine-env.sh). Exits non-zero and says
# why on any failure.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
source "$here/wine-env.sh"
report=""
if [ "${1:-}" = --report ]; then report=$2; shift 2; fi
# What the report says of each check until it ends: a smoke stopped on the way fails both.
start_result=(failed "the smoke ended before the program started")
log_result=(failed "not run: the start did not pass")
emulated=0
[ -n "${MARLIX_EMULATOR:-}" ] && emulated=1
unpacked=""
finish() {
    [ -n "$unpacked" ] && rm -rf "$unpacked"
    [ -n "$report" ] || return 0
    local cases=("start of the packaged exe" "${start_result[@]}")
    [ $emulated -eq 1 ] && cases+=("instruction log" "${log_result[@]}")
    python3 tools/test_report.py write "$report" "package smoke" "${cases[@]}"
}
trap finish EXIT
zip_file=${1:-$(ls -t dist/marlix32-*-win32.zip 2>/dev/null | head -n 1)}
[ -f "$zip_file" ] || { echo "package smoke: no package (run scripts/package.sh)"; exit 1; }
[ -n "${WINEPREFIX:-}" ] || { echo "package smoke: WINEPREFIX is not set"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "package smoke: no DISPLAY"; exit 1; }

unpacked=$(mktemp -d)
log="$unpacked/probe-build.log"
{ [ -f build/win64/CMakeCache.txt ] || cmake --preset win64; } >"$log" 2>&1 \
    && cmake --build --preset win64 -j2 --target start_probe >>"$log" 2>&1 \
    || { step_failed "package smoke: the build of the probe (start_probe, preset win64)" "$log"
         exit 1; }
unzip -q "$zip_file" -d "$unpacked"
# The exe that starts is the floppy image's copy, checked against the zip's sums.
mcopy -n -o -i "${zip_file%-win32.zip}-floppy.img" ::MARLIX32.EXE "$unpacked/marlix32.exe"
(cd "$unpacked" && sha256sum --quiet -c SHA256SUMS.txt)
cp demo/atm.ini demo/win.ini "$WINEPREFIX/drive_c/windows/"

# Under the emulator both starts also log each instruction they translate: the exe's own must
# all be the 486's. marlix32.exe is the only 32-bit program these starts run.
if [ $emulated -eq 1 ]; then
    export QEMU_LOG=in_asm QEMU_LOG_FILENAME="$unpacked/asm.%d"
fi
# Output to a file, not a pipe: wine's helper processes keep the pipe open after the probe ends.
status=0
wine64 build/win64/tools/win32/start_probe.exe "Z:$unpacked/marlix32.exe" 35 \
    </dev/null >"$unpacked/probe.log" 2>&1 || status=$?
if [ $status -eq 0 ]; then
    mkdir -p "$unpacked/my lists"
    cp demo/sample.mxf "$unpacked/my lists/"
    wine64 build/win64/tools/win32/start_probe.exe "Z:$unpacked/marlix32.exe" 30 \
        "Z:$unpacked/my lists/sample.mxf" 5 </dev/null >>"$unpacked/probe.log" 2>&1 || status=$?
fi
tr -d '\r' <"$unpacked/probe.log" | sed 's/^/package smoke: /'
if [ $status -eq 0 ]; then
    echo "package smoke: $(basename "$zip_file") passed"
    start_result=(passed "")
else
    start_result=(failed "the probe failed (exit code $status): see its lines above")
fi
if [ $status -eq 0 ] && [ $emulated -eq 1 ]; then
    unset QEMU_LOG QEMU_LOG_FILENAME
    code=0
    python3 tools/check_executed.py "$unpacked/marlix32.exe" "$unpacked"/asm.* \
        >"$unpacked/executed.log" 2>&1 || code=$?
    sed 's/^/instruction log: /' "$unpacked/executed.log"
    if [ $code -eq 0 ]; then
        echo "instruction log: passed"
        log_result=(passed "")
    else
        log_result=(failed "an instruction the 486 lacks ran, or the log could not be read")
        status=1
    fi
fi
exit $status
