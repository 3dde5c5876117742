#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Remakes the README's screenshots of the main window: docs/screenshots/kestrun.png at
# 100 % and docs/screenshots/kestrun-200.png at 200 %. The program runs under Xvfb from a
# copy in a temporary folder, beside a copy of docs/screenshots/kestrun.ini, so the job
# shown is always the same and no settings file lands in the build folder.
#
# Usage: scripts/screenshot.sh [BUILD_FOLDER]
# Without a build folder it configures and builds the default preset (build/default).
set -euo pipefail

readonly WINDOW_TIMEOUT_MS=20000
readonly SPLASH_TIMEOUT_MS=10000

die() { echo "screenshot: $*" >&2; exit 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Runs inside xvfb-run: starts the copy at the given scale factor, waits for the main
# window and for the splash screen to close itself, and takes the main window alone.
shoot() {
    local folder=$1 scale=$2 target=$3
    local log=$folder/kestrun-$scale.log
    cp "$folder/settings.ini" "$folder/kestrun.ini"
    env -i HOME="$folder" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" \
        XDG_RUNTIME_DIR="$folder/runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" \
        "$folder/kestrun" >"$log" 2>&1 &
    local pid=$! started window=""
    started=$(now_ms)
    until window=$(xdotool search --onlyvisible --name '^Kestrun$' 2>/dev/null | head -n 1) && [ -n "$window" ]; do
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; die "the program ended before showing its window"; }
        [ $(($(now_ms) - started)) -le $WINDOW_TIMEOUT_MS ] || { kill "$pid"; die "no window named \"Kestrun\""; }
        sleep 0.02
    done
    # The splash screen is the program's other visible window; it closes itself about
    # three seconds after the start.
    while [ "$(xdotool search --onlyvisible --class '^kestrun$' 2>/dev/null | grep -c -v -x "$window")" -gt 0 ]; do
        [ $(($(now_ms) - started)) -le $SPLASH_TIMEOUT_MS ] || { kill "$pid"; die "the splash screen stayed up"; }
        sleep 0.1
    done
    echo "screenshot: the splash screen closed $(($(now_ms) - started)) ms after the start"
    # The active window draws its selection in the active colours; the pointer goes out of
    # the way so that nothing shows a hover state.
    xdotool windowfocus --sync "$window"
    xdotool mousemove 0 0
    sleep 0.5
    import -window "$window" -strip "png:$target"
    echo "screenshot: $target ($(xwininfo -id "$window" | sed -n 's/^ *Width: //p') x $(xwininfo -id "$window" | sed -n 's/^ *Height: //p') pixels at scale $scale)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

if [ "${1:-}" = "--shoot" ]; then
    shoot "$2" "$3" "$4"
    exit 0
fi

cd "$(dirname "$0")/.."
source_dir=$PWD
bash scripts/install-deps.sh
for tool in xvfb-run xdotool xwininfo import; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/install-deps.sh installs it)"
done

if [ $# -ge 1 ]; then
    build=$(cd "$1" && pwd)
else
    cmake --preset default >/dev/null
    build=$source_dir/build/default
fi
cmake --build "$build" --target kestrun

folder=$(mktemp -d "${TMPDIR:-/tmp}/kestrun-screenshot.XXXXXX")
trap 'rm -rf "$folder"' EXIT
mkdir -m 700 "$folder/runtime"
cp "$build/app/kestrun" "$folder/kestrun"
cp docs/screenshots/kestrun.ini "$folder/settings.ini"

for shot in "1 kestrun.png 1280x1024" "2 kestrun-200.png 2560x2048"; do
    read -r scale name screen <<<"$shot"
    xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp" \
        bash "$source_dir/scripts/screenshot.sh" --shoot "$folder" "$scale" "$folder/$name"
    cp "$folder/$name" "docs/screenshots/$name"
done
