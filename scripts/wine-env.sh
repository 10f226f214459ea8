# Sourced by the scripts: a pinned, quiet, fast wine set-up.
#   wine64 ARGS...         runs an x86_64 program (or a prefix tool: wineboot, reg) under wine
#   wine32 ARGS...         runs an i686 program under wine
#   wine_template_prefix   builds a template prefix under build/ and tunes it, again whenever the
#                          installed wine packages changed; says why and returns non-zero if it
#                          cannot
#   wine_fresh_prefix DIR  copies the template to DIR (cp -a: wine rewrites files in place)
#   wine_prefix_current DIR  true when DIR was made from the installed wine packages
#   wine_runs_i686         true when this host runs 32-bit Windows programs (after the template)
#   wine_i686_reason       why it does not, in a few words
#   step_failed WHAT LOG   names a step that failed, prints the end of its output, returns 1
# MARLIX_RUN_I686=no forces the answer to "no", to try on any host what a host without 32-bit
# support does.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LC_ALL=C.UTF-8
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono/Gecko installers at prefix creation, and no winhlp32 (it would wait for a user).
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winhlp32.exe=d"
template="$root/build/wine-template"

# Debian's `wine` starts the 32-bit loader whenever wine32 is installed, so on a host whose kernel
# runs no 32-bit programs it starts nothing, 64-bit programs included. Each program goes to the
# loader of its own bitness; CMake's toolchain files choose the same way.
WINE64=/usr/lib/wine/wine64
[ -x "$WINE64" ] || WINE64=wine
WINE32=wine
export WINE64 WINE32
wine64() { "$WINE64" "$@"; }
wine32() { "$WINE32" "$@"; }

# A prefix only works with the wine it was made by: one made before wine32 was installed cannot
# start 32-bit programs, and an old one under a new wine32 starts nothing at all (exit code 53,
# silent under WINEDEBUG=-all). Each prefix keeps the package list it was made with (with the
# fonts package, whose fonts the template copies).
wine_packages() {
    dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} ${Version}\n' \
        'wine*' 'libwine*' fonts-wine 2>/dev/null | awk '$1 == "ii" { print $2, $3 }' | sort
}
wine_key=".wine-packages"
# Whether the template's wine started a small i686 program, and if not, why.
i686_key=".runs-i686"

wine_prefix_current() {
    [ -f "$1/$wine_key" ] && [ "$(cat "$1/$wine_key")" = "$(wine_packages)" ]
}

# Names a step that failed, prints the end of its output and returns 1.
step_failed() { # what log
    echo "$1 failed; the end of its output ($2):"
    tail -n 30 "$2" | sed 's/^/    /'
    return 1
}

# Starts an i686 program that only exits, in the template: the answer holds for every prefix made
# from it. Decided by running, not from package lists: a wine that runs 32-bit programs inside its
# 64-bit process needs no 32-bit Linux libraries.
wine_check_i686() {
    local probe="$root/build/i686-probe.exe" code=0
    if ! printf 'int main(void) { return 0; }\n' \
        | i686-w64-mingw32-gcc-win32 -x c - -o "$probe" 2>>"$template.log"; then
        echo "no: the i686 compiler could not build a test program" > "$template/$i686_key"
        return
    fi
    WINEPREFIX="$template" timeout 120 "$WINE32" "$probe" </dev/null >>"$template.log" 2>&1 \
        || code=$?
    WINEPREFIX="$template" wineserver -w
    if [ $code -eq 0 ]; then
        echo yes > "$template/$i686_key"
    else
        echo "no: this host's wine could not start a 32-bit Windows program (exit code $code)" \
            > "$template/$i686_key"
    fi
}

wine_template_prefix() {
    wine_prefix_current "$template" && return 0
    rm -rf "$template"
    mkdir -p "$root/build"
    local log="$template.log"
    if ! WINEPREFIX="$template" wine64 wineboot -i >"$log" 2>&1 \
        || ! WINEPREFIX="$template" wineserver -w >>"$log" 2>&1 \
        || [ ! -d "$template/drive_c/windows" ]; then
        step_failed "the template wine prefix (wineboot -i in $template)" "$log"
        return 1
    fi
    # Xvfb has no window manager: without this wine waits for one on every window it hides.
    if ! WINEPREFIX="$template" wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N \
        /f >>"$log" 2>&1; then
        step_failed "the template wine prefix (its X11 setting)" "$log"
        return 1
    fi
    WINEPREFIX="$template" wineserver -w
    # This wine build does not find its own fonts (Tahoma for menus and captions, Marlett for the
    # caption buttons) in its data folder; in the Windows fonts folder it does.
    cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/" 2>/dev/null || true
    wine_check_i686
    # Written last: a template cut short is made again.
    wine_packages > "$template/$wine_key"
}

wine_runs_i686() {
    [ "${MARLIX_RUN_I686:-}" != no ] && [ "$(cat "$template/$i686_key" 2>/dev/null)" = yes ]
}

wine_i686_reason() {
    if [ "${MARLIX_RUN_I686:-}" = no ]; then
        echo "MARLIX_RUN_I686=no"
    else
        sed 's/^no: //' "$template/$i686_key" 2>/dev/null || echo "the check did not run"
    fi
}

wine_fresh_prefix() {
    rm -rf "$1"
    cp -a "$template" "$1"
}
