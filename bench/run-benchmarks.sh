#!/usr/bin/env bash
# Benchmarks of loading and painting, run by hand (never part of the tests).
#
# Makes the 10M, 100M and 400M drawings with the shared generator into a scratch folder,
# builds the reader and the benchmark programs in Release, then prints two tables of
# medians: loading by the floor (memchr line scan + from_chars of every number), dime,
# dxflib and this viewer's reader (dxfdump --counts, whole process), run in turns on the
# same file; and full paints through the viewer's window beside the bare OpenGL floor.
#
#   bench/run-benchmarks.sh [--runs N] [--paints N] [--presets "10M 100M 400M"] [--no-paint]
#
# Environment: VISTREL_BENCH_DIR (scratch folder, default /tmp/vistrel-bench),
# VISTREL_BENCH_BUILD (build folder, default build-perf/bench-standalone), VISTREL_SHARED_DIR.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
scratch=${VISTREL_BENCH_DIR:-/tmp/vistrel-bench}
build=${VISTREL_BENCH_BUILD:-$repo/build-perf/bench-standalone}
shared=${VISTREL_SHARED_DIR:-$repo/../shared}
runs=5
paints=7
presets="10M 100M 400M"
paint=1

while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=$2; shift 2 ;;
    --paints) paints=$2; shift 2 ;;
    --presets) presets=$2; shift 2 ;;
    --no-paint) paint=0; shift ;;
    *) echo "usage: $0 [--runs N] [--paints N] [--presets \"10M 100M 400M\"] [--no-paint]" >&2
       exit 2 ;;
    esac
done

# The viewer's own packages, then the benchmark-only ones.
"$repo/scripts/install-deps.sh"
packages=(libdime-dev libdxflib-dev time python3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

mkdir -p "$scratch"
for p in $presets; do
    f="$scratch/bench_$p.dxf"
    [ -s "$f" ] || python3 "$shared/bench/gen_dxf.py" --preset "$p" -o "$f"
done

cmake -S "$repo/bench" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVISTREL_SHARED_DIR="$shared" >/dev/null
targets=(dxfdump bench_floor bench_dime bench_dxflib)
[ "$paint" -eq 1 ] && targets+=(paint_bench)
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null
# shellcheck disable=SC1091
source "$build/bench/programs.env" 2>/dev/null || source "$build/programs.env"

# One run: wall seconds and peak resident kilobytes of the whole process.
measure() {
    local out t0 t1
    out=$(mktemp)
    t0=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$out" "$@" >/dev/null
    t1=$(date +%s%N)
    echo "$(( (t1 - t0) / 1000 )) $(tail -1 "$out")"
    rm -f "$out"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

readers=(floor dime dxflib vistrel)
command_of() {
    case "$1" in
    floor) echo "$FLOOR" ;;
    dime) echo "$DIME" ;;
    dxflib) echo "$DXFLIB" ;;
    vistrel) echo "$DXFDUMP --counts" ;;
    esac
}

results=$(mktemp)
echo "Loading: $runs runs of each reader, in turns."
for p in $presets; do
    f="$scratch/bench_$p.dxf"
    for ((r = 1; r <= runs; r++)); do
        for reader in "${readers[@]}"; do
            # shellcheck disable=SC2046
            echo "$p $reader $(measure $(command_of "$reader") "$f")" >>"$results"
        done
    done
done

echo
echo "| file | reader | time (s) | MB/s | peak memory (MB) | peak / file size |"
echo "|---|---|---|---|---|---|"
declare -A speed peak size
for p in $presets; do
    bytes=$(stat -c %s "$scratch/bench_$p.dxf")
    size[$p]=$bytes
    for reader in "${readers[@]}"; do
        us=$(awk -v p="$p" -v r="$reader" '$1 == p && $2 == r {print $3}' "$results" | median)
        kb=$(awk -v p="$p" -v r="$reader" '$1 == p && $2 == r {print $4}' "$results" | median)
        speed[$p.$reader]=$(awk -v b="$bytes" -v us="$us" 'BEGIN {printf "%.0f", b / us}')
        peak[$p.$reader]=$kb
        awk -v p="$p" -v r="$reader" -v b="$bytes" -v us="$us" -v kb="$kb" 'BEGIN {
            printf "| %s (%.0f MB) | %s | %.3f | %.0f | %.0f | %.2f |\n",
                p, b / 1e6, r, us / 1e6, b / us, kb * 1024 / 1e6, kb * 1024 / b }'
    done
done
rm -f "$results"

echo
echo "| file | this reader / floor speed | this reader / dime speed | peak / file size | s per 100 MB |"
echo "|---|---|---|---|---|"
for p in $presets; do
    awk -v p="$p" -v v="${speed[$p.vistrel]}" -v f="${speed[$p.floor]}" -v d="${speed[$p.dime]}" \
        -v kb="${peak[$p.vistrel]}" -v b="${size[$p]}" 'BEGIN {
        printf "| %s | %.0f %% | %.1f x | %.2f | %.3f |\n", p, 100 * v / f, v / d,
            kb * 1024 / b, 100 / v }'
done

[ "$paint" -eq 1 ] || exit 0
# Qt wants a private runtime folder; xvfb-run gives none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
echo
echo "Painting: $paints rounds, each kind of render once per round (the viewer's paint, the bare-GL"
echo "floor for the same primitives, the probe alone, nothing); medians, and paint / floor as the"
echo "median of each round's ratio. 521 x 297 view, Mesa software renderer."
echo
echo "| file | triangles | paint (ms) | bare-GL floor (ms) | paint / floor | probe alone (ms) | probe share | paint ns per triangle |"
echo "|---|---|---|---|---|---|---|---|"
for p in $presets; do
    out=$(xvfb-run -a -s "-screen 0 1280x1024x24" "$PAINT_BENCH" "$scratch/bench_$p.dxf" "$paints")
    val() { echo "$out" | awk -v k="$1" '$1 == k {print $2}'; }
    awk -v p="$p" -v t="$(val triangles)" -v pm="$(val paint_ms)" -v fm="$(val floor_ms)" \
        -v r="$(val paint_over_floor)" -v so="$(val probe_only_ms)" -v e="$(val empty_render_ms)" \
        -v s="$(val probe_share)" 'BEGIN {
        printf "| %s | %d | %.1f | %.1f | %.3f | %.1f | %.1f %% | %.0f |\n",
            p, t, pm, fm, r, so - e, 100 * s, pm * 1e6 / t }'
    bytes=$(echo "$out" | awk '$1 == "faces" {print $6}')
done
echo
echo "Model bytes per 3D face (sizeof TFace3D, corners inline): $bytes"
