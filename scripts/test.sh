#!/usr/bin/env bash
# Builds the presets and runs every test this host can run: the native core tests, the static
# checks of the shipped i686 exe (imports, instruction floor, header), then the Win32 tests
# in-process under wine in Xvfb on x86_64 and, where the host runs 32-bit Windows programs, on
# i686, and the exe of the release package started from the unpacked zip. Where the i686 runs
# cannot be made, one line says so and the closing line counts their tests as skipped.
# Exits non-zero on any failure, naming the step and showing the end of its output; the last
# line is the summary.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh" || exit 1
source "$here/wine-env.sh"
i686_emulator_enter "$here/test.sh" "$@"

build() { # the presets, one after the other
    local preset log
    for preset in "$@"; do
        log=build/build-"$preset".log
        { cmake --preset "$preset" && cmake --build --preset "$preset" -j2; } >"$log" 2>&1 \
            || { step_failed "the build of preset $preset" "$log"; return 1; }
    done
}
mkdir -p build
rm -f build/package-smoke.log
# Two lines of builds and the template prefix (mostly waiting on wineboot) side by side keep both
# cores busy through configure steps and links.
{ build native win32 && { "$here/package.sh" >build/package.log 2>&1 \
    || step_failed "the package (scripts/package.sh)" build/package.log; }; } &
lane1=$!
build win64 win32-tests &
lane2=$!
wine_template_prefix &
template_made=$!
made=0
for job in $lane1 $lane2 $template_made; do wait "$job" || made=1; done
[ $made -eq 0 ] || { echo "test.sh: stopped before the tests: a step above failed"; exit 1; }

status=0
for preset in native win32; do
    if ctest --preset "$preset" >"build/$preset-tests.log" 2>&1; then
        tail -n 4 "build/$preset-tests.log"
    else
        step_failed "the $preset tests" "build/$preset-tests.log"
        status=1
    fi
done

# The i686 Win32 suite and the package smoke need a host that runs 32-bit Windows programs.
win32_presets="win64 win32-tests"
smoke=1
if ! wine_runs_i686; then
    win32_presets="win64"
    smoke=0
    echo "Left out: the i686 Win32 tests and the package smoke (they run the i686 exe), because" \
        "$(wine_i686_reason); the shipped exe is checked statically above."
fi

export WINEPREFIX="$root/build/wine-test"
wine_fresh_prefix "$WINEPREFIX"
# Both architectures in one prefix and one wineserver, one after the other (they share the
# Windows directory).
cat > build/run-win32-tests.sh <<INNER
set -u
source scripts/wine-env.sh
export WINEPREFIX="$WINEPREFIX"
wineserver -p
# Warm-up: the first program that makes a window starts wine's helper processes.
wine64 build/win64/tests/win32/marlix_win32_tests.exe --gtest_filter=NoSuchTest </dev/null >/dev/null 2>&1
code=0
for preset in $win32_presets; do
    echo "Win32 tests, preset \$preset:"
    ctest --preset "\$preset" --timeout 900 --verbose 2>&1 | tee "build/\$preset-tests.log" \\
        | grep -av -E '^([0-9]+: )?\[ +(RUN|OK) +\]'
    [ "\${PIPESTATUS[0]}" -eq 0 ] && continue
    code=1
    # A run that fails without gtest's count of failures (a crash, a timeout) counts as one.
    grep -aqE '\[  FAILED  \] [0-9]+ test' "build/\$preset-tests.log" \\
        || echo "[  FAILED  ] 1 test: the run ended early" >> "build/\$preset-tests.log"
done
if [ $smoke -eq 1 ]; then
    # The program users get, from its zip.
    scripts/package-smoke.sh </dev/null >build/package-smoke.log 2>&1 || code=1
    cat build/package-smoke.log
else
    # The i686 suite holds the x86_64 suite's tests: counted here, as skipped.
    wine64 build/win64/tests/win32/marlix_win32_tests.exe --gtest_list_tests </dev/null \\
        >build/win32-tests-list.log 2>&1 || code=1
fi
wineserver -k
exit \$code
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash build/run-win32-tests.sh 2>&1 || status=1

# One closing line for all runs: ctest's counts for native and win32, gtest's for the wine runs.
passed=0
failed=0
skipped=0
for preset in native win32; do
    passed=$((passed + $(grep -ac ' Passed ' "build/$preset-tests.log")))
    failed=$((failed + $(grep -acE '\*\*\*Failed|\*\*\*Exception|\*\*\*Timeout|Not Run' "build/$preset-tests.log")))
done
# Each preset runs the suite in several parts (one per code page): their counts add up.
sum() { grep -aoE "$1" "$2" | grep -oE '[0-9]+' | awk '{ n += $1 } END { print n + 0 }'; }
for preset in $win32_presets; do
    passed=$((passed + $(sum '\[  PASSED  \] [0-9]+' "build/$preset-tests.log")))
    failed=$((failed + $(sum '\[  FAILED  \] [0-9]+ test' "build/$preset-tests.log")))
done
if [ $smoke -eq 0 ]; then
    # gtest lists each test two spaces in, under its suite's name.
    skipped=$(($(tr -d '\r' <build/win32-tests-list.log | grep -c '^  [^ ]') + 1))
    if [ "$skipped" -le 1 ]; then
        echo "test.sh: the list of the Win32 tests could not be read"
        status=1
    fi
elif grep -aq 'package smoke: .* passed$' build/package-smoke.log; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi
# Under the emulator the smoke also checks each instruction the exe ran: one test more.
if [ $smoke -eq 1 ] && [ -n "${MARLIX_EMULATOR:-}" ]; then
    if grep -aqx 'instruction log: passed' build/package-smoke.log; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
fi
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
if [ "$skipped" -gt 0 ]; then
    echo "tests: $passed passed, $failed failed, $skipped skipped"
else
    echo "tests: $passed passed, $failed failed"
fi
exit $status
