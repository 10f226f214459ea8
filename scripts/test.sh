#!/usr/bin/env bash
# Builds the three presets and runs every test: the native core tests, then the Win32 tests
# in-process under wine in Xvfb. Exits non-zero on any failure; the last line is the summary.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh" || exit 1
source "$here/wine-env.sh"

build() {
    cmake --preset "$1" >build-"$1".log 2>&1 && cmake --build --preset "$1" -j2 >>build-"$1".log 2>&1 \
        || { cat build-"$1".log; echo "build of $1 failed"; exit 1; }
    rm -f build-"$1".log
}
mkdir -p build
build native
build win64
build win32

status=0
ctest --preset native 2>&1 | tee build/native-tests.log | tail -n 4
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

wine_template_prefix
export WINEPREFIX="$root/build/wine-test"
wine_fresh_prefix "$WINEPREFIX"
cat > build/run-win32-tests.sh <<'INNER'
set -u
wineserver -p
# Warm-up: the first program that makes a window starts wine's helper processes.
wine build/win64/tests/win32/marlix_win32_tests.exe --gtest_filter=NoSuchTest </dev/null >/dev/null 2>&1
ctest --preset win64 --timeout 900 --verbose
code=$?
wineserver -k
exit $code
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash build/run-win32-tests.sh 2>&1 \
    | tee build/win32-tests.log | grep -av -E '^([0-9]+: )?\[ +(RUN|OK) \]' 
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

# One closing line for both runs.
native_passed=$(grep -ac ' Passed ' build/native-tests.log)
native_failed=$(grep -acE '\*\*\*Failed|\*\*\*Exception|\*\*\*Timeout|Not Run' build/native-tests.log)
win_passed=$(grep -aoE '\[  PASSED  \] [0-9]+' build/win32-tests.log | grep -oE '[0-9]+$' || echo 0)
win_failed=$(grep -aoE '\[  FAILED  \] [0-9]+ test' build/win32-tests.log | grep -oE '[0-9]+' || echo 0)
[ -n "$win_passed" ] || win_passed=0
[ -n "$win_failed" ] || win_failed=0
if [ "$status" -ne 0 ] && [ $((native_failed + win_failed)) -eq 0 ]; then win_failed=1; fi
echo "tests: $((native_passed + win_passed)) passed, $((native_failed + win_failed)) failed"
exit $status
