#!/usr/bin/env bash
# Builds everything and runs every test (GL and window tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
scripts/with-xvfb.sh ctest --test-dir build --output-on-failure -j "$jobs"
scripts/run-hardening.sh
