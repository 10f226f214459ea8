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
# A kernel that runs no 32-bit code needs the emulator for the i686 exe: qemu-user of version 8
# or later, unpacked under build/qemu and registered by the scripts in a namespace of their own
# (scripts/wine-env.sh), never machine-wide. It is checked after the packages: wine32 brings the
# 32-bit loader that answers whether this kernel runs 32-bit code.
emulator_wanted() {
    [ "${MARLIX_RUN_I686:-}" != no ] || return 1
    [ "${MARLIX_RUN_I686:-}" = emulated ] || ! /lib/ld-linux.so.2 --version >/dev/null 2>&1
}
get_emulator() {
    local root qemu apt_dir version upstream
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    qemu="$root/build/qemu"
    "$qemu/usr/bin/qemu-i386" --version 2>/dev/null | grep -qE 'version ([89]|[1-9][0-9])\.' \
        && return 0
    echo "Getting the emulator for i686 programs: qemu-user 8 or later, into $qemu"
    # Debian 12's own qemu is 7.2: its backports suite has a newer one, read through a list of our
    # own; the machine's package sources stay as they are.
    apt_dir="$root/build/qemu-apt"
    rm -rf "$qemu" "$apt_dir"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$qemu"
    cp /etc/apt/sources.list.d/*.sources "$apt_dir/parts/" 2>/dev/null || true
    if grep -q '^VERSION_CODENAME=bookworm' /etc/os-release; then
        printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: bookworm-backports\n%s\n%s\n' \
            'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' \
            >"$apt_dir/parts/backports.sources"
    fi
    local apt=(-o "Dir::Etc::SourceParts=$apt_dir/parts" -o "Dir::State::Lists=$apt_dir/lists"
        -o APT::Get::List-Cleanup=0 -o APT::Sandbox::User=root)
    apt-get "${apt[@]}" update -qq >"$log" 2>&1 || failed "apt-get update (for the emulator)"
    version=$(apt-cache "${apt[@]}" madison qemu-user | awk '{ print $3 }' | sort -V | tail -n 1)
    upstream=${version#*:}
    if [ -z "$version" ] || [ "${upstream%%.*}" -lt 8 ]; then
        echo "setup: qemu-user ${version:-(none)} is all the package sources have; the emulator" \
            "needs version 8 or later, so the i686 programs cannot run on this host"
        return 0
    fi
    (cd "$apt_dir" && apt-get "${apt[@]}" download "qemu-user=$version") >"$log" 2>&1 \
        || failed "apt-get download qemu-user=$version"
    dpkg -x "$apt_dir"/qemu-user_*.deb "$apt_dir/unpacked" >"$log" 2>&1 \
        || failed "unpacking qemu-user"
    # Only the i386 emulator is used (a static program).
    mkdir -p "$qemu/usr/bin"
    mv "$apt_dir/unpacked/usr/bin/qemu-i386" "$qemu/usr/bin/"
    rm -rf "$apt_dir"
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
if emulator_wanted; then get_emulator; fi
