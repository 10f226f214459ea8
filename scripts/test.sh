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

reports="$root/build/reports"
rm -rf "$reports"
mkdir -p "$reports"
status=0
for preset in native win32; do
    if ctest --preset "$preset" --output-junit "$reports/$preset-ctest.xml" \
        >"build/$preset-tests.log" 2>&1; then
        tail -n 4 "build/$preset-tests.log"
    else
        step_failed "the $preset tests" "build/$preset-tests.log"
        status=1
    fi
done

# The i686 Win32 suite and the package smoke need a host that runs 32-bit Windows programs.
win32_presets=(win64 win32-tests)
smoke=yes
if ! wine_runs_i686; then
    win32_presets=(win64)
    smoke=no
    echo "Left out: the i686 Win32 tests and the package smoke (they run the i686 exe), because" \
        "$(wine_i686_reason); the shipped exe is checked statically above."
fi

export WINEPREFIX="$root/build/wine-test"
wine_fresh_prefix "$WINEPREFIX"
# A screen of their own, whatever display the caller has.
DISPLAY= wine_session 1024x768 "$here/win32-tests.sh" "$reports" $smoke "${win32_presets[@]}" 2>&1 \
    || status=1

# One closing line for all runs, from the frameworks' own reports: ctest's for native and win32,
# GoogleTest's for the wine runs, the smoke's own, or the list of the tests left out.
counted=(--ctest "$reports/native-ctest.xml" --ctest "$reports/win32-ctest.xml")
for preset in "${win32_presets[@]}"; do
    counted+=(--gtest "$reports/$preset-ctest.xml" "$reports/$preset")
done
[ $smoke = no ] && counted+=(--listed "$reports/win32-tests-list.xml")
counted+=(--cases "$reports/package-smoke.xml")
[ "$status" -eq 0 ] || counted+=(--step-failed)
python3 tools/test_report.py count "${counted[@]}" || status=1
exit $status
