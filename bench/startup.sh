#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time under Xvfb: from process start to a shown main window, Kestrun side by
# side with a bare Qt main window, median of five runs each.
#   bash bench/startup.sh [build folder]   (default build/default)
# Kestrun's window counts as shown once it is mapped with its title; its first prediction is
# computed before the window is shown. The splash screen is a window of its own and does not
# hold the main window back.
set -euo pipefail
build=${1:-build/default}
kestrun=$(realpath "$build/app/kestrun")
bare=$(realpath "$build/bench/kestrun_bare_window")
runs=5

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$kestrun" "$work/kestrun" # a copy, so that its settings file stays out of the build

now_ms() { date +%s%3N; }

# Milliseconds until a visible window with this exact title is mapped, polled every 2 ms.
time_to_window() {
  local title=$1; shift
  local start end
  start=$(now_ms)
  "$@" >/dev/null 2>&1 &
  local pid=$!
  while ! xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
    sleep 0.002
    if [ $(( $(now_ms) - start )) -gt 20000 ]; then echo "timeout" >&2; break; fi
  done
  end=$(now_ms)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(( end - start ))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

declare -a k b
for i in $(seq $runs); do
  b+=("$(time_to_window "Bare Qt window" "$bare")")
  k+=("$(time_to_window "Kestrun" "$work/kestrun")")
done
bm=$(printf '%s\n' "${b[@]}" | median)
km=$(printf '%s\n' "${k[@]}" | median)
echo "bare Qt window: ${b[*]} ms, median ${bm} ms"
echo "Kestrun:        ${k[*]} ms, median ${km} ms"
awk -v k="$km" -v b="$bm" 'BEGIN { printf "ratio: %.2f\n", k / b }'
