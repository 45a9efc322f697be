#!/usr/bin/env bash
# Benchmarks of loading and painting, run by hand (never part of the tests).
#
# Makes the 10M, 100M and 400M drawings with the shared generator into a scratch folder,
# builds the reader and the benchmark programs in Release, then prints tables of medians:
# - loading by the floor (memchr line scan + from_chars of every number), dime, dxflib and
#   this viewer's reader (dxfdump --counts, whole process), run in turns on the same file;
# - paints through the viewer's window, the default picture beside "Desenho completo" (its
#   scene drawn from buffer objects), and that scene's buffers alone beside the same
#   primitives sent with immediate-mode calls; the draw calls per full paint; a layer
#   hidden and shown from the dock, and clicks that pick elements;
# - the time to build the full mode's buffers beside the load; the window's memory with them;
# - annotations: the corpus floor plan repeated 25 x 25 (bench/gen_planta.py: about 100,000
#   texts and 8,000 hatches), its full mode built and painted beside the same drawing without
#   its texts.
#
#   bench/run-benchmarks.sh [--runs N] [--paints N] [--presets "10M 100M 400M"]
#                           [--no-load] [--no-paint] [--no-annotations]
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
load=1
annotations=1

while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=$2; shift 2 ;;
    --paints) paints=$2; shift 2 ;;
    --presets) presets=$2; shift 2 ;;
    --no-paint) paint=0; shift ;;
    --no-load) load=0; shift ;;
    --no-annotations) annotations=0; shift ;;
    *) echo "usage: $0 [--runs N] [--paints N] [--presets \"10M 100M 400M\"] [--no-load] [--no-paint] [--no-annotations]" >&2
       exit 2 ;;
    esac
done

# The viewer's own packages, then the benchmark-only ones.
"$repo/scripts/install-deps.sh"
packages=(time python3)
[ "$load" -eq 1 ] && packages+=(libdime-dev libdxflib-dev)
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
targets=()
[ "$load" -eq 1 ] && targets+=(dxfdump bench_floor bench_dime bench_dxflib)
[ "$annotations" -eq 1 ] && targets+=(dxfdump)
[ "$paint" -eq 1 ] || [ "$annotations" -eq 1 ] && targets+=(paint_bench)
[ ${#targets[@]} -gt 0 ] || exit 0
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

if [ "$load" -eq 1 ]; then
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
fi

[ "$paint" -eq 1 ] || [ "$annotations" -eq 1 ] || exit 0
# Qt wants a private runtime folder; xvfb-run gives none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
under_x() { xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; }

if [ "$annotations" -eq 1 ]; then
    planta="$scratch/planta_25x25.dxf"
    [ -s "$planta" ] || python3 "$repo/bench/gen_planta.py" "$shared/corpus/acad_2004_floorplan.dxf" "$planta"
    echo
    echo "Annotations: the floor plan 25 x 25 times, with its texts and without them; $runs runs,"
    echo "medians of the full mode's build (decomposition + upload) and paint ($paints paints a run)."
    echo
    echo "| drawing | texts | hatches | draw calls | decomposition (s) | upload (s) | build (s) | full paint (ms) |"
    echo "|---|---|---|---|---|---|---|---|"
    for f in "$planta" "${planta%.dxf}_sem_texto.dxf"; do
        out=$(mktemp)
        for ((r = 1; r <= runs; r++)); do under_x "$PAINT_BENCH" "$f" "$paints" >>"$out"; done
        med() { awk -v k="$1" '$1 == k {print $2}' "$out" | median; }
        cena=$("$DXFDUMP" --cena "$f" | python3 -c 'import json, sys; t = json.load(sys.stdin)["tipos"]; print(sum(t.get(k, {}).get("n", 0) for k in ("TEXT", "MTEXT", "ATTRIB")), t.get("HATCH", {}).get("n", 0))')
        printf "| %s | %s | %s | %s | %.3f | %.3f | %.3f | %.1f |\n" "$(basename "$f")" ${cena} \
            "$(med draw_calls)" "$(med decompose_s)" "$(med upload_s)" \
            "$(awk -v d="$(med decompose_s)" -v u="$(med upload_s)" 'BEGIN {print d + u}')" \
            "$(med full_paint_ms)"
        rm -f "$out"
    done
fi
[ "$paint" -eq 1 ] || exit 0
declare -A bench
for p in $presets; do
    bench[$p]=$(under_x "$PAINT_BENCH" "$scratch/bench_$p.dxf" "$paints")
    if ! echo "${bench[$p]}" | awk '$1 ~ /_mismatch$/ && $2 > 0.01 {bad = 1} END {exit bad}'; then
        echo "warning: $p: the benchmark's frame does not give the window's picture" >&2
    fi
    [ "$(echo "${bench[$p]}" | awk '$1 == "scene_whole" {print $2}')" = 1 ] ||
        echo "warning: $p: the scene stopped at its budget of vertices" >&2
    [ "$(echo "${bench[$p]}" | awk '$1 == "in_buffers" {print $2}')" = 1 ] ||
        echo "warning: $p: the scene is drawn from arrays in memory, not buffer objects" >&2
done
# The value of key $2 in preset $1's output.
val() { echo "${bench[$1]}" | awk -v k="$2" '$1 == k {print $2}'; }

echo
echo "Painting: $paints rounds, each kind of render once per round, medians (ratios: the median of"
echo "each round's ratio). Whole renders of the real window (clear, camera, paint handler, read-back)"
echo "with the default picture, then with \"Desenho completo\" on; in the full mode's frame, its"
echo "buffers drawn alone (the window's paint without clip planes and probe) and the same"
echo "primitives sent with glBegin/glEnd. 521 x 297 view, Mesa software renderer."
echo
echo "| file | triangles | segments | draw calls | default paint (ms) | full paint (ms) | full / default | buffers alone (ms) | immediate, same primitives (ms) | buffers / immediate |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for p in $presets; do
    printf "| %s | %d | %d | %d | %.1f | %.1f | %.2f | %.1f | %.1f | %.2f |\n" "$p" \
        "$(val "$p" scene_triangles)" "$(val "$p" scene_segments)" "$(val "$p" draw_calls)" \
        "$(val "$p" default_paint_ms)" "$(val "$p" full_paint_ms)" \
        "$(val "$p" full_over_default)" "$(val "$p" buffers_only_ms)" \
        "$(val "$p" immediate_ms)" "$(val "$p" buffers_over_immediate)"
done

echo
echo "Finding one's way in the full mode, through the window: hiding the layer that drew most"
echo "from the layer dock and the paint after it, showing it again; 25 clicks over the view"
echo "(the depth read, the elements under it decomposed again, the status bar's text)."
echo
echo "| file | hide + paint (ms) | show + paint (ms) | pick, median (ms) | pick, slowest (ms) | clicks that named an element | element boxes (MB) |"
echo "|---|---|---|---|---|---|---|"
for p in $presets; do
    printf "| %s | %.1f | %.1f | %.1f | %.1f | %s | %.1f |\n" "$p" \
        "$(val "$p" layer_hide_and_paint_ms)" "$(val "$p" layer_show_and_paint_ms)" \
        "$(val "$p" pick_ms_median)" "$(val "$p" pick_ms_max)" \
        "$(echo "${bench[$p]}" | awk '$1 == "picks_named" {print $2}')" \
        "$(val "$p" element_boxes_mb)"
done

echo
echo "Building the full mode's buffers, once per load: the decomposition (DecompoeDesenho) and the"
echo "upload (TCenaGL, until glFinish), beside the window's load of the same file; and the first"
echo "paint after turning the mode on, which builds them."
echo
echo "| file | load (s) | decomposition (s) | upload (s) | build / load | first full paint (s) |"
echo "|---|---|---|---|---|---|"
for p in $presets; do
    printf "| %s | %.3f | %.3f | %.3f | %.2f | %.3f |\n" "$p" "$(val "$p" load_s)" \
        "$(val "$p" decompose_s)" "$(val "$p" upload_s)" "$(val "$p" build_over_load)" \
        "$(awk -v ms="$(val "$p" first_full_paint_ms)" 'BEGIN {print ms / 1000}')"
done

echo
echo "Memory of the window's process (VmHWM, VmRSS): with the window empty, after the load and a"
echo "default paint, and after the full mode's first paint (its scene built, uploaded, its"
echo "vertices freed); then where the peak goes, as this program builds the same scene step by"
echo "step (MB added by each step)."
echo
echo "| file | empty window | loaded, default paint | peak with buffers | resident after | peak / file size | (peak - empty window) / file size |"
echo "|---|---|---|---|---|---|---|"
declare -A steps
for p in $presets; do
    f="$scratch/bench_$p.dxf"
    out=$(under_x "$PAINT_BENCH" --memoria janela "$f")
    steps[$p]=$(under_x "$PAINT_BENCH" --memoria etapas "$f")
    m() { echo "$out" | awk -v k="$1" '$1 == k {print $2}'; }
    awk -v b="$(stat -c %s "$f")" -v p="$p" -v e="$(m empty_window_peak_kb)" \
        -v l="$(m default_paint_peak_kb)" -v k="$(m full_paint_peak_kb)" \
        -v r="$(m full_paint_rss_kb)" 'BEGIN {
        mb = 1024 / 1e6
        printf "| %s | %.0f | %.0f | %.0f | %.0f | %.2f | %.2f |\n", p, e * mb, l * mb, k * mb,
            r * mb, k * 1024 / b, (k - e) * 1024 / b }'
done
echo
echo "| file | model (load) | default paint | scene vertices (decomposition) | buffers (upload) | vertices freed | buffers deleted | vertices held / reserved (MB) |"
echo "|---|---|---|---|---|---|---|---|"
for p in $presets; do
    s() { echo "${steps[$p]}" | awk -v k="$1" '$1 == k {print $2}'; }
    awk -v p="$p" -v e="$(s empty_window_rss_kb)" -v l="$(s loaded_rss_kb)" \
        -v d="$(s default_paint_rss_kb)" -v c="$(s decomposed_rss_kb)" \
        -v u="$(s uploaded_rss_kb)" -v f="$(s vertices_freed_rss_kb)" \
        -v x="$(s buffers_deleted_rss_kb)" -v vm="$(s vertex_mb)" \
        -v vc="$(s vertex_capacity_mb)" 'BEGIN {
        mb = 1024 / 1e6
        printf "| %s | +%.0f | +%.0f | +%.0f | +%.0f | %.0f | %.0f | %.0f / %.0f |\n", p,
            (l - e) * mb, (d - l) * mb, (c - d) * mb, (u - c) * mb, (f - u) * mb, (x - f) * mb,
            vm, vc }'
done
echo
echo "Model bytes per 3D face (sizeof TFace3D, corners inline): $(val "${presets%% *}" bytes_per_face)"
