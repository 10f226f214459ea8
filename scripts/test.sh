#!/usr/bin/env bash
# Builds the presets and runs every test: the native core tests, the check of the shipped i686
# exe's imports, then the Win32 tests in-process under wine in Xvfb, on x86_64 and on i686, and
# the exe of the release package started from the unpacked zip under 32-bit wine.
# Exits non-zero on any failure; the last line is the summary.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh" || exit 1
source "$here/wine-env.sh"

build() { # the presets, one after the other
    local preset
    for preset in "$@"; do
        cmake --preset "$preset" >build-"$preset".log 2>&1 \
            && cmake --build --preset "$preset" -j2 >>build-"$preset".log 2>&1 \
            || { cat build-"$preset".log; echo "build of $preset failed"; return 1; }
        rm -f build-"$preset".log
    done
}
mkdir -p build
rm -f build/package-smoke.log
# Two lines of builds and the template prefix (mostly waiting on wineboot) side by side keep both
# cores busy through configure steps and links.
{ build native win32 && { "$here/package.sh" >build/package.log 2>&1 \
    || { cat build/package.log; echo "package failed"; false; }; }; } &
lane1=$!
build win64 win32-tests &
lane2=$!
wine_template_prefix &
template_made=$!
made=0
for job in $lane1 $lane2 $template_made; do wait "$job" || made=1; done
[ $made -eq 0 ] || exit 1

status=0
for preset in native win32; do
    ctest --preset "$preset" 2>&1 | tee "build/$preset-tests.log" | tail -n 4
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done

export WINEPREFIX="$root/build/wine-test"
wine_fresh_prefix "$WINEPREFIX"
# Both architectures in one prefix and one wineserver, one after the other (they share the
# Windows directory).
cat > build/run-win32-tests.sh <<'INNER'
set -u
wineserver -p
# Warm-up: the first program that makes a window starts wine's helper processes.
wine build/win64/tests/win32/marlix_win32_tests.exe --gtest_filter=NoSuchTest </dev/null >/dev/null 2>&1
code=0
for preset in win64 win32-tests; do
    echo "Win32 tests, preset $preset:"
    ctest --preset "$preset" --timeout 900 --verbose 2>&1 | tee "build/$preset-tests.log" \
        | grep -av -E '^([0-9]+: )?\[ +(RUN|OK) +\]'
    [ "${PIPESTATUS[0]}" -eq 0 ] && continue
    code=1
    # A run that fails without gtest's count of failures (a crash, a timeout) counts as one.
    grep -aqE '\[  FAILED  \] [0-9]+ test' "build/$preset-tests.log" \
        || echo "[  FAILED  ] 1 test: the run ended early" >> "build/$preset-tests.log"
done
# The program users get, from its zip.
scripts/package-smoke.sh </dev/null >build/package-smoke.log 2>&1 || code=1
cat build/package-smoke.log
wineserver -k
exit $code
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash build/run-win32-tests.sh 2>&1 || status=1

# One closing line for all runs: ctest's counts for native and win32, gtest's for the wine runs.
passed=0
failed=0
for preset in native win32; do
    passed=$((passed + $(grep -ac ' Passed ' "build/$preset-tests.log")))
    failed=$((failed + $(grep -acE '\*\*\*Failed|\*\*\*Exception|\*\*\*Timeout|Not Run' "build/$preset-tests.log")))
done
for preset in win64 win32-tests; do
    count=$(grep -aoE '\[  PASSED  \] [0-9]+' "build/$preset-tests.log" | grep -oE '[0-9]+$' | tail -n 1)
    passed=$((passed + ${count:-0}))
    count=$(grep -aoE '\[  FAILED  \] [0-9]+ test' "build/$preset-tests.log" | grep -oE '[0-9]+' | tail -n 1)
    failed=$((failed + ${count:-0}))
done
if grep -aq 'package smoke: .* passed$' build/package-smoke.log; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
echo "tests: $passed passed, $failed failed"
exit $status
