#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the settings file fuzzer (INI reader and writer, store value reader) with
# clang++ and libFuzzer, without Qt, and runs it.
#
#   bash fuzz/build.sh [seconds] [more libFuzzer options...]
#
# seconds defaults to 60; 0 only builds. New inputs go to a work corpus in the build
# folder (KESTRUN_FUZZ_BUILD, default /tmp/kestrun-fuzz); the seed corpus in
# fuzz/corpus is read, never written. Crashes land in the build folder too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${KESTRUN_FUZZ_BUILD:-/tmp/kestrun-fuzz}"
seconds="${1:-60}"
shift || true
mkdir -p "$out/corpus"

# The value reader needs the regional date and number forms of the core, nothing more.
sources=("$root/fuzz/ini_fuzzer.cpp" "$root/support/inidocument.cpp" "$root/support/storevalue.cpp"
         "$root/core/regionaldates.cpp" "$root/core/valueforms.cpp")

"${CXX:-clang++}" -std=c++20 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$root" "${sources[@]}" -o "$out/ini_fuzzer"

if [ "$seconds" -gt 0 ]; then
    cd "$out"
    ./ini_fuzzer -max_total_time="$seconds" -print_final_stats=1 "$@" "$out/corpus" "$root/fuzz/corpus"
fi
