#!/usr/bin/env bash
# Builds the viewer and starts it; its arguments (a DXF file to open) are passed on, read
# from the folder the script was started in.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
(
    cd "$raiz"
    scripts/install-deps.sh
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$(nproc)" --target VistrelDXF
)
exec "$raiz/build/app/VistrelDXF" "$@"
