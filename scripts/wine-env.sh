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
#   wine_session SIZE COMMAND ARGS...  runs COMMAND (a program, or a function of the caller's) in
#                          the display of DISPLAY or, without one, in a new Xvfb screen of SIZE
#                          (800x600), with one wineserver of WINEPREFIX kept up throughout and
#                          killed at the end; returns COMMAND's exit code
#   wine_screenshot FILE   saves what the display shows to FILE
#   i686_emulator_enter SCRIPT ARGS...  on a host whose kernel runs no 32-bit code, runs SCRIPT
#                          again inside a private user and mount namespace where qemu-i386 runs
#                          i686 programs; returns (and says why) where it cannot
# MARLIX_RUN_I686=no forces the answer to "no", to try on any host what a host without 32-bit
# support does; MARLIX_RUN_I686=emulated runs the i686 programs under the emulator on any host.
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
# Whether the template's wine started a small i686 program, and if not, why; with how this
# process runs i686 programs, since one inside the emulator's namespace answers for itself only.
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

# Wine's helper processes start with the first program and leave with the wineserver: one kept
# up (-p) for the whole session serves every program in it, and -k ends them all. xvfb-run is a
# sh script, which drops bash functions: they go into the command, after this file.
wine_session() { # size command args...
    local size=$1
    shift
    if [ -n "${DISPLAY:-}" ]; then
        wine_session_inside "$@"
        return
    fi
    xvfb-run -a -s "-screen 0 ${size}x24" bash -c "source $(printf %q "$root/scripts/wine-env.sh")
        $(declare -f)"'
        wine_session_inside "$@"' _ "$@"
}
wine_session_inside() { # command args...
    local code=0
    wineserver -p
    "$@" || code=$?
    # A wineserver already gone (every program ended, or -k by the command) is no failure.
    wineserver -k 2>/dev/null || true
    return $code
}

wine_screenshot() { import -window root "$1"; }

# Starts an i686 program that only exits, in the template: the answer holds for every prefix made
# from it. Decided by running, not from package lists: a wine that runs 32-bit programs inside its
# 64-bit process needs no 32-bit Linux libraries.
wine_check_i686() {
    local probe="$root/build/i686-probe.exe" code=0 how
    how=$(i686_how)
    if ! printf 'int main(void) { return 0; }\n' \
        | i686-w64-mingw32-gcc-win32 -x c - -o "$probe" 2>>"$template.log"; then
        echo "$how no: the i686 compiler could not build a test program" > "$template/$i686_key"
        return
    fi
    WINEPREFIX="$template" timeout 120 "$WINE32" "$probe" </dev/null >>"$template.log" 2>&1 \
        || code=$?
    WINEPREFIX="$template" wineserver -w
    if [ $code -eq 0 ]; then
        echo "$how yes" > "$template/$i686_key"
    else
        echo "$how no: this host's wine could not start a 32-bit Windows program" \
            "(exit code $code)" > "$template/$i686_key"
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

# The answer kept in the template, made again when this process runs i686 programs another way.
i686_answer() {
    local how
    how=$(i686_how)
    [ "$(cut -d' ' -f1 "$template/$i686_key" 2>/dev/null)" = "$how" ] || wine_check_i686
    cut -d' ' -f2- "$template/$i686_key"
}

wine_runs_i686() {
    [ "${MARLIX_RUN_I686:-}" != no ] && [ "$(i686_answer)" = yes ]
}

wine_i686_reason() {
    if [ "${MARLIX_RUN_I686:-}" = no ]; then
        echo "MARLIX_RUN_I686=no"
    else
        i686_answer | sed 's/^no: //'
    fi
}

wine_fresh_prefix() {
    rm -rf "$1"
    cp -a "$template" "$1"
}

# The emulator: qemu-i386 of version 8 or later (7 takes about a minute to start each wine
# process), from build/qemu (scripts/setup.sh unpacks it there) or the system.
qemu_i386() {
    local qemu version
    for qemu in "$root/build/qemu/usr/bin/qemu-i386" "$(command -v qemu-i386 || true)"; do
        [ -x "$qemu" ] || continue
        version=$("$qemu" --version 2>/dev/null | sed -n '1s/^qemu-i386 version \([0-9.]*\).*/\1/p')
        [ "${version%%.*}" -ge 8 ] 2>/dev/null && { echo "$qemu $version"; return 0; }
    done
    return 1
}

# How this process runs i686 programs: "emulated" inside the namespace below, "native" where the
# kernel runs them, "none" otherwise. The 32-bit loader answers quickly and changes nothing.
i686_how() {
    if [ -n "${MARLIX_EMULATOR:-}" ]; then
        echo "emulated:${MARLIX_EMULATOR// /-}"
    elif /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
        echo native
    else
        echo none
    fi
}

# Registers qemu-i386 for i386 programs in a binfmt_misc of this namespace's own (Linux 6.7 and
# later give a user namespace one), so nothing changes for the rest of the machine.
i686_emulator_register() { # qemu
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || return 3
    printf ':marlix-i386:M::%s:%s:%s:F' \
        '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00' \
        '\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff' \
        "$1" >/proc/sys/fs/binfmt_misc/register 2>/dev/null || return 3
}

i686_emulator_enter() { # script args...
    [ -n "${MARLIX_EMULATOR:-}" ] && return 0
    [ "${MARLIX_RUN_I686:-}" = no ] && return 0
    if [ "${MARLIX_RUN_I686:-}" != emulated ]; then
        [ "$(i686_how)" = none ] || return 0
    fi
    local qemu code=0
    if ! qemu=$(qemu_i386); then
        echo "emulator: not used: no usable qemu-i386 (version 8 or later)"
        return 0
    fi
    if ! unshare --user --map-root-user --mount true 2>/dev/null; then
        echo "emulator: not used: user namespaces refused"
        return 0
    fi
    MARLIX_EMULATOR="qemu-i386 ${qemu#* }" unshare --user --map-root-user --mount bash -c \
        "source '$root/scripts/wine-env.sh'; i686_emulator_register '${qemu%% *}' || exit 99;"' \
        exec bash "$@"' _ "$@" || code=$?
    if [ $code -eq 99 ]; then
        echo "emulator: not used: the binfmt_misc mount was refused (a kernel before 6.7?)"
        return 0
    fi
    exit $code
}
