#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks Kestrun as a user gets it: installed with cmake --install into a temporary prefix
# and unpacked from the Debian package that cpack makes. The files have to be where the
# desktop entry, the AppStream metadata and the program itself look for them; then the
# installed program is started under Xvfb as an unprivileged user with an empty home,
# opens its help window with F1, and writes its settings to ~/.config/kestrun when closed.
#
# Usage: scripts/install-test.sh [BUILD_FOLDER]
# Without a build folder it configures and builds the default preset (build/default).
# On failure the temporary folder is kept and its path printed.
set -euo pipefail

readonly ICON_SIZES=(16 22 24 32 48 64 128 256)
readonly WINDOW_TIMEOUT_MS=20000
readonly RESPONSE_TIMEOUT_MS=5000
readonly EXIT_TIMEOUT_MS=10000

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "  ok: $*"; }
fail() { failed=$((failed + 1)); echo "  FAIL: $*"; }
die() { echo "install-test: $*" >&2; exit 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# ---------------------------------------------------------------------------------------
# The checks on the running program. They run inside xvfb-run (DISPLAY and XAUTHORITY set
# for the X server), as the second invocation of this script.
gui_checks() {
    local work=$1 root=$2 exec_name=$3
    local home=$work/home runtime=$work/runtime log=$work/kestrun.log
    local -a as_user=()
    mkdir -p "$home" "$runtime"
    chmod 700 "$runtime"
    # The X server's cookie, readable by the program's user.
    cp "$XAUTHORITY" "$home/.Xauthority"
    if [ "$(id -u)" -eq 0 ]; then
        # As root every folder is writable, so the program would keep its settings beside
        # the executable; an installed copy runs as a user who cannot write there.
        chown -R nobody:nogroup "$home" "$runtime"
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    else
        chmod a-w "$root/bin"
    fi
    if "${as_user[@]}" test -w "$root/bin"; then
        fail "the program's user can write $root/bin, so the settings check below proves nothing"
    fi

    local started window
    started=$(now_ms)
    "${as_user[@]}" env -i HOME="$home" PATH="$root/bin:/usr/bin:/bin" DISPLAY="$DISPLAY" \
        XAUTHORITY="$home/.Xauthority" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
        "$exec_name" >"$log" 2>&1 &
    local pid=$!

    window=""
    while [ -z "$window" ]; do
        window=$(xdotool search --onlyvisible --name '^Kestrun$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        if ! kill -0 "$pid" 2>/dev/null; then
            fail "the installed program ended before showing its window; its output:"
            sed 's/^/    /' "$log"
            return
        fi
        if [ $(($(now_ms) - started)) -gt $WINDOW_TIMEOUT_MS ]; then
            fail "no window named \"Kestrun\" within $WINDOW_TIMEOUT_MS ms"
            kill "$pid" 2>/dev/null || true
            return
        fi
        sleep 0.01
    done
    pass "the installed program showed its main window after $(($(now_ms) - started)) ms"

    # F1 in the main window opens the help window at its table of contents.
    xdotool windowfocus --sync "$window"
    xdotool key F1
    local help="" asked
    asked=$(now_ms)
    while [ -z "$help" ] && [ $(($(now_ms) - asked)) -le $RESPONSE_TIMEOUT_MS ]; do
        help=$(xdotool search --onlyvisible --name '^Kestrun Help' 2>/dev/null | head -n 1 || true)
        [ -n "$help" ] || sleep 0.02
    done
    if [ -z "$help" ]; then
        fail "F1 in the main window opened no window named \"Kestrun Help\" within $RESPONSE_TIMEOUT_MS ms"
    else
        pass "F1 opened the help window after $(($(now_ms) - asked)) ms"
        # The help window keeps the help file open while it shows it.
        if ls -l "/proc/$pid/fd" 2>/dev/null | grep -q -- "-> $root/share/kestrun/kestrun.chm\$"; then
            pass "the help window reads $root/share/kestrun/kestrun.chm"
        else
            fail "the help window has not opened $root/share/kestrun/kestrun.chm; open files:"
            ls -l "/proc/$pid/fd" 2>/dev/null | sed -n 's/^.* -> \//    \//p'
        fi
    fi

    # File > Exit from the keyboard closes the main window the way its close box does: the
    # close handler writes the settings. (Without a window manager nothing handles Alt+F4.)
    local before menu="" opened
    before=$(xdotool search --onlyvisible --class '^kestrun$' 2>/dev/null || true)
    xdotool windowfocus --sync "$window"
    xdotool key alt+f
    opened=$(now_ms)
    while [ -z "$menu" ] && [ $(($(now_ms) - opened)) -le $RESPONSE_TIMEOUT_MS ]; do
        menu=$(xdotool search --onlyvisible --class '^kestrun$' 2>/dev/null | grep -v -x -F "$before" || true)
        [ -n "$menu" ] || sleep 0.02
    done
    [ -n "$menu" ] || fail "Alt+F in the main window opened no menu within $RESPONSE_TIMEOUT_MS ms"
    xdotool key x
    local closing
    closing=$(now_ms)
    while kill -0 "$pid" 2>/dev/null && [ $(($(now_ms) - closing)) -le $EXIT_TIMEOUT_MS ]; do
        sleep 0.02
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the program was still running $EXIT_TIMEOUT_MS ms after File > Exit; its windows:"
        for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            echo "    \"$(xdotool getwindowname "$w")\""
        done
        if [ "$(xdotool search --onlyvisible --name '^Kestrun$' 2>/dev/null | wc -l)" -gt 1 ]; then
            echo "    the second window named \"Kestrun\" is most likely the program's error box"
        fi
        import -display "$DISPLAY" -window root "$work/still-running.png" 2>/dev/null &&
            echo "    the screen: $work/still-running.png"
        kill "$pid" 2>/dev/null || true
    else
        local status=0
        wait "$pid" || status=$?
        if [ "$status" -eq 0 ]; then
            pass "File > Exit ended the program"
        else
            fail "the program exited with status $status after File > Exit"
        fi
    fi

    local settings=$home/.config/kestrun/kestrun.ini
    if [ -s "$settings" ] && grep -q '^\[' "$settings"; then
        pass "the settings were written to \$HOME/.config/kestrun/kestrun.ini"
    else
        fail "no settings in \$HOME/.config/kestrun/kestrun.ini after closing; files under the home folder:"
        (cd "$home" && find . -mindepth 1 ! -name .Xauthority | sed 's/^/    /')
    fi
    if [ -e "$root/bin/kestrun.ini" ]; then
        fail "a settings file appeared beside the installed executable"
    fi
    if [ -s "$log" ]; then
        echo "  the program's output:"
        sed 's/^/    /' "$log"
    fi
}

if [ "${1:-}" = "--gui-checks" ]; then
    gui_checks "$2" "$3" "$4"
    chmod u+w "$3/bin" 2>/dev/null || true
    echo "$passed $failed" >"$2/gui-counts"
    exit 0
fi

# ---------------------------------------------------------------------------------------
# The installed files.

# The width and height stored in a PNG file's header, as "WxH"; empty when it is no PNG.
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [ "$signature" = "89504e470d0a1a0a" ] || return 0
    local -a b
    read -r -a b <<<"$(od -An -tu1 -j16 -N8 "$1")"
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1" | head -n 1
}

check_layout() {
    local root=$1 what=$2
    echo "$what ($root):"
    if [ -x "$root/bin/kestrun" ] && [ -f "$root/bin/kestrun" ]; then
        pass "bin/kestrun"
    else
        fail "bin/kestrun is missing or not executable"
    fi
    if [ -s "$root/share/kestrun/kestrun.chm" ]; then
        pass "share/kestrun/kestrun.chm, where the program looks for its help file"
    else
        fail "share/kestrun/kestrun.chm is missing (is chmcmd, package fp-utils, installed for the build?)"
    fi

    local desktop=$root/share/applications/kestrun.desktop
    if [ ! -f "$desktop" ]; then
        fail "share/applications/kestrun.desktop is missing"
        return
    fi
    local output
    if output=$(desktop-file-validate "$desktop" 2>&1) && ! grep -q -E 'error|warning' <<<"$output"; then
        pass "desktop-file-validate accepts the desktop entry"
    else
        fail "desktop-file-validate: $output"
    fi
    local exec_line exec_name icon
    exec_line=$(desktop_value "$desktop" Exec)
    exec_name=${exec_line%% *}
    if [ -n "$exec_name" ] && [ "${exec_name#/}" = "$exec_name" ] && [ -x "$root/bin/$exec_name" ]; then
        pass "Exec=$exec_line runs bin/$exec_name from the PATH"
    else
        fail "Exec=$exec_line does not name a program in bin/"
    fi
    icon=$(desktop_value "$desktop" Icon)
    if [ -z "$icon" ] || [ "${icon#/}" != "$icon" ]; then
        fail "Icon=$icon is not an icon theme name"
    else
        local size bad=()
        for size in "${ICON_SIZES[@]}"; do
            local png=$root/share/icons/hicolor/${size}x${size}/apps/$icon.png
            if [ ! -f "$png" ]; then
                bad+=("${size}x${size} missing")
            elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
                bad+=("${size}x${size} is a $(png_size "$png") image")
            fi
        done
        [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || bad+=("scalable/apps/$icon.svg missing")
        if [ ${#bad[@]} -eq 0 ]; then
            pass "Icon=$icon: hicolor PNGs at ${ICON_SIZES[*]} pixels and the scalable SVG"
        else
            fail "Icon=$icon: ${bad[*]}"
        fi
    fi

    local -a metainfo
    mapfile -t metainfo < <(find "$root/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
    if [ ${#metainfo[@]} -ne 1 ]; then
        fail "expected one file share/metainfo/*.metainfo.xml, found ${#metainfo[@]}"
    elif output=$(appstreamcli validate --no-net "${metainfo[0]}" 2>&1) &&
        output=$(appstreamcli validate-tree --no-net "$root" 2>&1); then
        pass "appstreamcli validates $(basename "${metainfo[0]}") and the tree it launches from"
    else
        fail "appstreamcli: $output"
    fi

    # Only the files above belong to an installation; anything else (a library, a header,
    # a test) has leaked in through some other install rule.
    local extra
    extra=$(cd "$root" && find . -type f | sed 's|^\./||' | grep -v -E \
        '^(bin/kestrun|share/kestrun/kestrun\.chm|share/applications/kestrun\.desktop|share/metainfo/[^/]+\.metainfo\.xml|share/icons/hicolor/[^/]+/apps/kestrun\.(png|svg)|share/doc/kestrun/copyright)$' ||
        true)
    if [ -z "$extra" ]; then
        pass "nothing else is installed"
    else
        fail "unexpected files installed: $(tr '\n' ' ' <<<"$extra")"
    fi
}

check_deb_control() {
    local deb=$1 version=$2 field
    echo "Debian package $(basename "$deb"):"
    local -A expected=([Package]=kestrun [Version]="$version" [Architecture]="$(dpkg --print-architecture)")
    for field in Package Version Architecture; do
        local value
        value=$(dpkg-deb -f "$deb" "$field")
        if [ "$value" = "${expected[$field]}" ]; then
            pass "$field: $value"
        else
            fail "$field is \"$value\", expected \"${expected[$field]}\""
        fi
    done
    for field in Maintainer Homepage Section Description; do
        if [ -n "$(dpkg-deb -f "$deb" "$field")" ]; then
            pass "$field: $(dpkg-deb -f "$deb" "$field" | head -n 1)"
        else
            fail "the control file has no $field"
        fi
    done
    local depends names missing=()
    depends=$(dpkg-deb -f "$deb" Depends)
    # The package names alone, one a line, without versions or alternatives.
    names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
    for field in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libc6 libstdc++6; do
        grep -q -x -F "$field" <<<"$names" || missing+=("$field")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        pass "Depends: $depends"
    else
        fail "Depends lacks ${missing[*]}: $depends"
    fi
    # Every file sits under /usr.
    local outside
    outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -E '^\./(usr/.*)?$' || true)
    if [ -z "$outside" ]; then
        pass "every file installs under /usr"
    else
        fail "files outside /usr: $(tr '\n' ' ' <<<"$outside")"
    fi
}

# ---------------------------------------------------------------------------------------
cd "$(dirname "$0")/.."
source_dir=$PWD
bash scripts/install-deps.sh

declare -A tool_packages=(
    [cmake]=cmake [cpack]=cmake [dpkg-deb]=dpkg [dpkg-shlibdeps]=dpkg-dev
    [desktop-file-validate]=desktop-file-utils [appstreamcli]=appstream
    [xvfb-run]=xvfb [xauth]=xauth [xdotool]=xdotool [import]=imagemagick [setpriv]=util-linux
)
for tool in "${!tool_packages[@]}"; do
    command -v "$tool" >/dev/null || die "$tool is missing: install the Debian package ${tool_packages[$tool]}"
done

if [ $# -ge 1 ]; then
    build=$(cd "$1" && pwd)
else
    cmake --preset default >/dev/null
    build=$source_dir/build/default
fi
cmake --build "$build" --target kestrun kestrun_icons
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || die "$build/CMakeCache.txt names no project version"

work=$(mktemp -d "${TMPDIR:-/tmp}/kestrun-install-test.XXXXXX")
# The program runs as another user, who has to reach the installed files.
chmod 755 "$work"

echo "cmake --install into a temporary prefix"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" ||
    { cat "$work/install.log"; die "cmake --install failed"; }
check_layout "$work/prefix" "cmake --install"

echo "cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; die "cpack failed"; }
deb=$(find "$work/cpack" -maxdepth 1 -name "kestrun_${version}_*.deb" | head -n 1)
[ -n "$deb" ] || die "cpack made no kestrun_${version}_*.deb (see $work/cpack.log)"
check_deb_control "$deb" "$version"
dpkg-deb -x "$deb" "$work/deb"
check_layout "$work/deb/usr" "the Debian package unpacked"

echo "the installed program under Xvfb"
exec_name=$(desktop_value "$work/deb/usr/share/applications/kestrun.desktop" Exec)
exec_name=${exec_name%% *}
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash "$source_dir/scripts/install-test.sh" --gui-checks "$work" "$work/deb/usr" "${exec_name:-kestrun}" ||
    fail "the checks under Xvfb did not run to their end"
if [ -f "$work/gui-counts" ]; then
    read -r gui_passed gui_failed <"$work/gui-counts"
    passed=$((passed + gui_passed))
    failed=$((failed + gui_failed))
fi

echo "install-test: $passed passed, $failed failed"
if [ "$failed" -gt 0 ]; then
    echo "install-test: the installed copies are kept in $work"
    exit 1
fi
rm -rf "$work"
