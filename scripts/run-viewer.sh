#!/usr/bin/env bash
# Builds the viewer and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target VistrelDXF
exec build/app/VistrelDXF "$@"
