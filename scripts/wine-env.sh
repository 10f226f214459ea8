# Sourced by the scripts: a pinned, quiet, fast wine set-up.
#   wine_template_prefix   builds (once) a template prefix under build/ and tunes it
#   wine_fresh_prefix DIR  copies the template to DIR (cp -a: wine rewrites files in place)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LC_ALL=C.UTF-8
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono/Gecko installers at prefix creation, and no winhlp32 (it would wait for a user).
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winhlp32.exe=d"
template="$root/build/wine-template"

wine_template_prefix() {
    [ -f "$template/.ready" ] && return 0
    rm -rf "$template"
    WINEPREFIX="$template" wineboot -i >/dev/null 2>&1
    # Xvfb has no window manager: without this wine waits for one on every window it hides.
    WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    WINEPREFIX="$template" wineserver -w
    # This wine build does not find its own fonts (Tahoma for menus and captions, Marlett for the
    # caption buttons) in its data folder; in the Windows fonts folder it does.
    cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$template/.ready"
}

wine_fresh_prefix() {
    rm -rf "$1"
    cp -a "$template" "$1"
}
