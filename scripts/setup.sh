#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the run need and is missing, with the
# i386 architecture for 32-bit wine (the shipped exe is i686), and generates the locales the tests
# use. Says nothing when everything is there.
set -euo pipefail

packages=(cmake make g++ clang python3 libgtest-dev googletest libbenchmark-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
          wine wine64 wine32:i386 fonts-wine xvfb xauth x11-utils imagemagick fonts-urw-base35
          locales zip mtools dosfstools xorriso)

# The Win32 tests of other code pages run under these locales: wine takes its ANSI code page from
# the locale (932 Japanese, 1251 Cyrillic, 1250 Central European).
locales=(ja_JP.UTF-8 ru_RU.UTF-8 cs_CZ.UTF-8)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
absent=()
for name in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || absent+=("$name")
done
[ ${#missing[@]} -eq 0 ] && [ ${#absent[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Names the step that failed and shows the end of its output.
failed() {
    echo "setup: $1 failed; the end of its output:"
    tail -n 30 "$log" | sed 's/^/    /'
    exit 1
}
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 \
        || $sudo dpkg --add-architecture i386 >"$log" 2>&1 || failed "dpkg --add-architecture i386"
    $sudo apt-get update -qq >"$log" 2>&1 || failed "apt-get update"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >"$log" 2>&1 || failed "apt-get install"
fi
if [ ${#absent[@]} -gt 0 ]; then
    echo "Generating the locales: ${absent[*]}"
    for name in "${absent[@]}"; do
        grep -qx "$name UTF-8" /etc/locale.gen 2>/dev/null \
            || echo "$name UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen >"$log" 2>&1 || failed "locale-gen"
fi
