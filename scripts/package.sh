#!/usr/bin/env bash
# Builds the release package dist/marlix32-<version>-win32.zip: marlix32.exe, README.txt (CR LF,
# code page 1252) and SHA256SUMS.txt.
#
# The exe comes from a clean tree: the committed HEAD (git archive; uncommitted changes are not
# shipped) unpacked into build/package/src and built there from scratch with the preset win32,
# target marlix32, so the package holds exactly what that preset makes. The version is the CMake
# project's, read from the header the configure step writes. Time stamps are the commit's time
# (SOURCE_DATE_EPOCH for the linker, fixed entry times and order in the zip), so two runs of the
# same commit give byte-identical zips.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh"
if ! command -v zip >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y -qq --no-install-recommends zip >/dev/null
fi
export LC_ALL=C TZ=UTC
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export SOURCE_DATE_EPOCH

work=build/package
rm -rf "$work"
mkdir -p "$work/src" "$work/files" dist
git archive HEAD | tar -x -C "$work/src"
(
    cd "$work/src"
    cmake --preset win32 >../configure.log 2>&1 || { cat ../configure.log; exit 1; }
    cmake --build --preset win32 -j2 --target marlix32 >../build.log 2>&1 || { cat ../build.log; exit 1; }
)
binary_dir=$(sed -n 's/^-- Build files have been written to: //p' "$work/configure.log")
version=$(sed -n 's/^#define MARLIX_VERSION_TEXT "\(.*\)"$/\1/p' "$binary_dir/versioned/marlix_version.h")
[ -n "$version" ] || { echo "no version in $binary_dir/versioned/marlix_version.h"; exit 1; }

files="$work/files"
cp "$binary_dir/marlix32.exe" "$files/marlix32.exe"
sed "s/@PROJECT_VERSION@/$version/g" "$work/src/res/package/README.txt" | iconv -f UTF-8 -t CP1252 \
    | sed 's/$/\r/' >"$files/README.txt"
(cd "$files" && sha256sum marlix32.exe README.txt >SHA256SUMS.txt)
chmod 644 "$files"/*
touch -d "@$SOURCE_DATE_EPOCH" "$files"/*

zip_file="dist/marlix32-$version-win32.zip"
rm -f "$zip_file"
(cd "$files" && zip -q -X -D "$OLDPWD/$zip_file" $(ls | sort))
echo "$zip_file: $(stat -c %s "$zip_file") bytes, marlix32.exe $(stat -c %s "$files/marlix32.exe") bytes"
