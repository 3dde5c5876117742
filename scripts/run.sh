#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kestrun (installing what it lacks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kestrun
exec ./build/default/app/kestrun "$@"
