#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the run need and is missing, with the
# i386 architecture for 32-bit wine (the shipped exe is i686). Says nothing when everything is
# there.
set -euo pipefail

packages=(cmake make g++ clang python3 libgtest-dev googletest libbenchmark-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
          wine wine64 wine32:i386 xvfb xauth x11-utils imagemagick fonts-urw-base35)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
