#!/usr/bin/env bash
# Builds the release package dist/marlix32-<version>-win32.zip: marlix32.exe, README.txt (CR LF,
# code page 1252) and SHA256SUMS.txt; and the same three files, named MARLIX32.EXE, README.TXT and
# SHA256.TXT (8.3, as DOS and Windows 95 read them), on a 1.44 MB FAT12 floppy image
# (dist/marlix32-<version>-floppy.img) and an ISO 9660 CD image (dist/marlix32-<version>-cd.iso).
#
# The exe comes from a clean tree: the committed HEAD (git archive; uncommitted changes are not
# shipped) unpacked into build/package/src and built there from scratch with the preset win32,
# target marlix32, so the package holds exactly what that preset makes. The version is the CMake
# project's, read from the header the configure step writes. Time stamps are the commit's time
# (SOURCE_DATE_EPOCH for the linker, fixed entry times and order in the zip), so two runs of the
# same commit give byte-identical zips; the images also have a fixed volume serial and label.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh"
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

disk="$work/disk"
mkdir -p "$disk"
cp -p "$files/marlix32.exe" "$disk/MARLIX32.EXE"
cp -p "$files/README.txt" "$disk/README.TXT"
cp -p "$files/SHA256SUMS.txt" "$disk/SHA256.TXT"
touch -d "@$SOURCE_DATE_EPOCH" "$disk"
floppy="dist/marlix32-$version-floppy.img"
rm -f "$floppy"
mkfs.fat -C -F 12 -f 2 --invariant -i 4d58320e -n MARLIX32 "$floppy" 1440 >/dev/null
for name in $(ls "$disk" | sort); do
    mcopy -m -i "$floppy" "$disk/$name" "::$name"
done
cd_image="dist/marlix32-$version-cd.iso"
rm -f "$cd_image"
xorriso -abort_on FAILURE -as mkisofs -quiet -iso-level 1 -V MARLIX32 \
    --modification-date="$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y%m%d%H%M%S00)" -o "$cd_image" "$disk"
echo "$floppy, $cd_image: $(stat -c %s "$cd_image") bytes"
