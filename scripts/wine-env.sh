# Sourced by the scripts: a pinned, quiet, fast wine set-up.
#   wine_template_prefix   builds a template prefix under build/ and tunes it, again whenever the
#                          installed wine packages changed
#   wine_fresh_prefix DIR  copies the template to DIR (cp -a: wine rewrites files in place)
#   wine_prefix_current DIR  true when DIR was made from the installed wine packages
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LC_ALL=C.UTF-8
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono/Gecko installers at prefix creation, and no winhlp32 (it would wait for a user).
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winhlp32.exe=d"
template="$root/build/wine-template"

# A prefix only works with the wine it was made by: one made before wine32 was installed cannot
# start 32-bit programs, and an old one under a new wine32 starts nothing at all (exit code 53,
# silent under WINEDEBUG=-all). Each prefix keeps the package list it was made with.
wine_packages() {
    dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} ${Version}\n' \
        'wine*' 'libwine*' 2>/dev/null | awk '$1 == "ii" { print $2, $3 }' | sort
}
wine_key=".wine-packages"

wine_prefix_current() {
    [ -f "$1/$wine_key" ] && [ "$(cat "$1/$wine_key")" = "$(wine_packages)" ]
}

wine_template_prefix() {
    wine_prefix_current "$template" && return 0
    rm -rf "$template"
    WINEPREFIX="$template" wineboot -i >/dev/null 2>&1
    # Xvfb has no window manager: without this wine waits for one on every window it hides.
    WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    WINEPREFIX="$template" wineserver -w
    # This wine build does not find its own fonts (Tahoma for menus and captions, Marlett for the
    # caption buttons) in its data folder; in the Windows fonts folder it does.
    cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/" 2>/dev/null || true
    # Written last: a template cut short is made again.
    wine_packages > "$template/$wine_key"
}

wine_fresh_prefix() {
    rm -rf "$1"
    cp -a "$template" "$1"
}
