#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kestrun with every test (installing what it lacks) and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default -j2
