#!/usr/bin/env bash
# Takes the README's screenshots of the main window under wine in Xvfb, on the demo catalogue:
# docs/main-window-en.png and docs/main-window-es.png (the demo list opened and some fonts added,
# a balloon shown), and docs/toolbar-buttons.png (every toolbar bitmap, from the build).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
"$here/setup.sh"
source "$here/wine-env.sh"
i686_emulator_enter "$here/screenshots.sh" "$@"

log="$root/build/shots-build.log"
cmake --preset win64 >"$log" 2>&1 || step_failed "the configure step of preset win64" "$log"
cmake --build --preset win64 -j2 --target shoot_main_window >"$log" 2>&1 \
    || step_failed "the build of shoot_main_window (preset win64)" "$log"
wine_template_prefix
export WINEPREFIX="$root/build/wine-shots"
wine_fresh_prefix "$WINEPREFIX"
cp demo/atm.ini demo/win.ini demo/sample.mxf "$WINEPREFIX/drive_c/windows/"
mkdir -p docs build/shots

# The tool shows the window, then writes the part of the screen to keep into its ready file.
take_shot() { # tool options...
    "$WINE64" build/win64/tools/win32/shoot_main_window.exe "Z:$PWD/build/shots/ready" "$@" \
        </dev/null >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -s build/shots/ready ] && break; sleep 0.1; done
    sleep 0.3
    wine_screenshot build/shots/screen.png
}
shoot() { # name, then the tool's options
    local name=$1
    shift
    rm -f build/shots/ready
    # A screen of its own, whatever display the caller has: the pictures keep one size.
    DISPLAY= wine_session 800x600 take_shot "$@"
    [ -s build/shots/ready ] \
        || { echo "screenshots.sh: the window for docs/$name.png did not come up"; exit 1; }
    convert build/shots/screen.png -crop "$(tr -d '\r\n' < build/shots/ready)" +repage \
        "docs/$name.png"
    echo "docs/$name.png"
}
shoot main-window-en --list 'C:\windows\sample.mxf' --balloon 105
shoot main-window-es --list 'C:\windows\sample.mxf' --spanish --balloon 104

# The toolbar's bitmaps as the build made them, in toolbar order, one button a row: enabled,
# pressed, greyed (a plain face for buttons that are never greyed); at 1:1 and four times.
pictures=build/win64/pictures
convert -size 30x24 xc:'#c0c0c0' build/shots/face.bmp
states=()
for name in open_list save_list print_list open_winini save_winini add_fonts remove_fonts; do
    greyed=$pictures/${name}_disabled.bmp
    [ -f "$greyed" ] || greyed=build/shots/face.bmp
    states+=("$pictures/${name}_enabled.bmp" "$pictures/${name}_pressed.bmp" "$greyed")
done
montage "${states[@]}" -tile 3x -geometry +1+1 -background '#606060' build/shots/buttons.png
convert build/shots/buttons.png \( +clone -scale 400% \) -background '#606060' -gravity north \
    +append +repage docs/toolbar-buttons.png
echo docs/toolbar-buttons.png
