#!/usr/bin/env bash
# The wine part of scripts/test.sh, run by it inside one wine session (wine_session in
# scripts/wine-env.sh): the Win32 tests of each PRESET, one after the other in the prefix
# WINEPREFIX (they share its Windows directory), then the package smoke (scripts/package-smoke.sh)
# when SMOKE is "yes"; when it is "no", only the list of the Win32 tests (from the x86_64 build)
# and a report that the smoke was skipped. Each run leaves its report under REPORTS, for
# tools/test_report.py: ctest's of each preset (REPORTS/PRESET-ctest.xml), GoogleTest's of each
# program it ran (REPORTS/PRESET/), the smoke's (REPORTS/package-smoke.xml) or the list
# (REPORTS/win32-tests-list.xml). The output of each preset also goes to build/PRESET-tests.log.
# Usage: scripts/win32-tests.sh REPORTS yes|no PRESET...   (REPORTS an absolute path)
# Exits non-zero when any run failed.
set -u
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
source "$here/wine-env.sh"
reports=$1
smoke=$2
shift 2
# Warm-up: the first program that makes a window starts wine's helper processes.
wine64 build/win64/tests/win32/marlix_win32_tests.exe --gtest_filter=NoSuchTest \
    </dev/null >/dev/null 2>&1
code=0
for preset in "$@"; do
    echo "Win32 tests, preset $preset:"
    rm -rf "${reports:?}/$preset"
    mkdir -p "$reports/$preset"
    # A folder for GoogleTest: each program of the preset (one per code page) writes a report of
    # its own there, named after the exe and numbered.
    GTEST_OUTPUT="xml:Z:$reports/$preset/" ctest --preset "$preset" --timeout 900 --verbose \
        --output-junit "$reports/$preset-ctest.xml" 2>&1 | tee "build/$preset-tests.log" \
        | grep -av -E '^([0-9]+: )?\[ +(RUN|OK) +\]'
    [ "${PIPESTATUS[0]}" -eq 0 ] || code=1
done
if [ "$smoke" = yes ]; then
    # The program users get, from its zip.
    scripts/package-smoke.sh --report "$reports/package-smoke.xml" </dev/null \
        >build/package-smoke.log 2>&1 || code=1
    cat build/package-smoke.log
else
    # The i686 suite holds the x86_64 suite's tests: listed, to be counted as skipped.
    wine64 build/win64/tests/win32/marlix_win32_tests.exe --gtest_list_tests \
        "--gtest_output=xml:Z:$reports/win32-tests-list.xml" </dev/null \
        >build/win32-tests-list.log 2>&1 || code=1
    python3 tools/test_report.py write "$reports/package-smoke.xml" "package smoke" \
        "package smoke" skipped "this host runs no 32-bit Windows programs" || code=1
fi
exit $code
