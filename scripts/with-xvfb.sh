#!/usr/bin/env bash
# Runs a command on a private virtual display. Xvfb picks a free display number itself
# (-displayfd), so runs side by side never share one. -noreset keeps the server from
# resetting when its last client leaves, which would refuse the next test that connects.
set -euo pipefail
numero=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$numero" 2> /dev/null &
servidor=$!
trap 'kill "$servidor" 2> /dev/null; wait "$servidor" 2> /dev/null; rm -f "$numero"' EXIT
for _ in $(seq 200); do
    [ -s "$numero" ] && break
    kill -0 "$servidor" 2> /dev/null || break
    sleep 0.05
done
display=$(head -n 1 "$numero")
if [ -z "$display" ]; then
    echo "The virtual display (Xvfb) did not start" >&2
    exit 1
fi
DISPLAY=":$display" "$@"
