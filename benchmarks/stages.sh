#!/usr/bin/env bash
# Times each stage of a built game under the test display: the mission load (a one-frame
# run less a one-frame run without a stage) and the cost of a drawn frame of its scrolling
# track (a 200-frame run less a one-frame run, per frame). Usage: benchmarks/stages.sh [build]
set -euo pipefail
build="${1:-build}"
exe="$(cd "$build" && pwd)/kestrova"
dir=$(mktemp -d)
trap 'rm -rf "$dir"; [ -n "${xvfb:-}" ] && kill "$xvfb"' EXIT
cp "$exe" "$build/Data.dpg" "$dir"/
cp -r "$build/Data" "$dir"/
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:77
  sleep 1
fi
export KESTROVA_AUDIO=none KESTROVA_DIALOGS=stderr

ms() { local t0 t1; t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N); echo $(((t1 - t0) / 1000000)); }
best() { local b=999999 t; for _ in 1 2 3; do t=$(ms "$@"); [ "$t" -lt "$b" ] && b=$t; done; echo "$b"; }

base=$(best "$dir/kestrova" --fixed-step=25 --frames=1 --vsync=off)
echo "start-up without a stage: ${base} ms"
printf '%-6s %10s %14s\n' stage "load (ms)" "frame (ms)"
for stage in $(seq 1 15); do
  one=$(best "$dir/kestrova" --stage="$stage" --fixed-step=25 --frames=1 --vsync=off)
  many=$(best "$dir/kestrova" --stage="$stage" --fixed-step=25 --frames=201 --vsync=off)
  printf '%-6s %10s %14s\n' "$stage" "$((one - base))" "$(awk -v a="$many" -v b="$one" 'BEGIN{printf "%.2f", (a-b)/200}')"
done
