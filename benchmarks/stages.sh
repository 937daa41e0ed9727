#!/usr/bin/env bash
# Times each stage of a built game under the test display: the mission load (a one-frame
# run less a one-frame run without a stage) and the cost of a drawn frame of its scrolling
# track (a 200-frame run less a one-frame run, per frame). Usage: benchmarks/stages.sh [build]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
build="${1:-build}"
source "$(dirname "$0")/game-copy.sh"

base=$(best "$dir/kestrova" --fixed-step=25 --frames=1 --vsync=off)
echo "start-up without a stage: ${base} ms"
printf '%-6s %10s %14s\n' stage "load (ms)" "frame (ms)"
for stage in $(seq 1 15); do
  one=$(best "$dir/kestrova" --stage="$stage" --fixed-step=25 --frames=1 --vsync=off)
  many=$(best "$dir/kestrova" --stage="$stage" --fixed-step=25 --frames=201 --vsync=off)
  printf '%-6s %10s %14s\n' "$stage" "$((one - base))" "$(awk -v a="$many" -v b="$one" 'BEGIN{printf "%.2f", (a-b)/200}')"
done
