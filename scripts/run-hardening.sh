#!/usr/bin/env bash
# Reliability checks: the model, reader, geometry, text and drawing tests built with the address
# and undefined-behaviour sanitizers, then a bounded run of the reader's fuzzer on its seeds.
# Any sanitizer report, failing test or fuzzer finding fails the script.
# FUZZ_SECONDS sets the fuzzer's run time (60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)

echo "== Sanitizer build (build-asan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVISTREL_VERIFICACOES=ON
cmake --build build-asan -j "$jobs" \
    --target teste_model teste_model_guarda teste_geometry teste_texto teste_display teste_cena \
    teste_cena_curvas teste_cena_corpus

# Leaks inside Mesa and Qt are not ours: only those libraries are suppressed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan-terceiros.supp:print_suppressions=0"
# Abertura.DescritoresEsgotados uses up every file descriptor, and the sanitizer runtime needs
# one for its own memory checks: it runs in the ordinary build only.
for dir in model geometry texto cena; do
    ctest --test-dir "build-asan/tests/$dir" --output-on-failure -j "$jobs" \
        -E '^Abertura\.DescritoresEsgotados$'
done
# Mesa unloads its driver before the leak check, which then cannot name the driver's
# leaks: the driver is loaded from the start so that it stays mapped.
driver=$(ls /usr/lib/*/dri/swrast_dri.so 2> /dev/null | head -n 1 || true)
ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" LD_PRELOAD="$driver" \
    scripts/with-xvfb.sh ctest --test-dir build-asan/tests/display --output-on-failure -j "$jobs"

echo "== Reader fuzzer (build-fuzz)"
CXX=clang++ cmake -S tests/fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j "$jobs"
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
mkdir "$run/corpus"
# New inputs go to the scratch corpus (the first folder); seeds and samples are only read.
if ! build-fuzz/fuzz_leitor -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=2048 \
        -malloc_limit_mb=2048 -dict=tests/fuzz/dxf.dict -artifact_prefix="$run/" \
        -print_final_stats=1 "$run/corpus" tests/fuzz/seeds samples 2> "$run/log"; then
    tail -n 60 "$run/log"
    mkdir -p fuzz-findings
    cp "$run"/crash-* "$run"/timeout-* "$run"/oom-* "$run"/leak-* fuzz-findings/ 2> /dev/null || true
    echo "The fuzzer found an input the reader fails on: kept in fuzz-findings/" >&2
    exit 1
fi
grep -E '^stat::number_of_executed_units|^Done' "$run/log" || true
echo "== Hardening checks passed"
