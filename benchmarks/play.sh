#!/usr/bin/env bash
# The autopilot plays stage 1 and stage 12 at 800 x 600 under the test display, shadows off
# and on, for up to 2000 frames (a stage won sooner ends the run), and prints the start-up to
# the first frame (the main page), the start-up with the stage's load to its first frame (both
# the best of three one-frame runs), frames per second and the 50th and 99th percentile frame
# time (the frame's work from its start to its buffer swap). Usage: benchmarks/play.sh [build] [frames]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
build="${1:-build}"
frames="${2:-2000}"
source "$(dirname "$0")/game-copy.sh"

start=$(best "$dir/kestrova" --fixed-step=25 --window=800x600 --vsync=off --frames=1)
echo "start-up to the first frame: ${start} ms"
printf '%-6s %-8s %13s %7s %9s %10s %10s\n' stage shadows "to play (ms)" frames "frames/s" "p50 (ms)" "p99 (ms)"
for stage in 1 12; do
  load=$(best "$dir/kestrova" --stage="$stage" --fixed-step=25 --window=800x600 --vsync=off --frames=1)
  for shadows in off on; do
    "$dir/kestrova" --stage="$stage" --autopilot --fixed-step=25 --seed=5 --window=800x600 \
      --frames="$frames" --shadows="$shadows" --frame-times="$dir/times.txt" >/dev/null 2>&1
    sort -n "$dir/times.txt" | awk -v st="$stage" -v s="$shadows" -v load="$load" '
      { t[NR] = $1; sum += $1 }
      END {
        p50 = t[int(NR * 0.50 + 0.5)]; p99 = t[int(NR * 0.99 + 0.5)]
        printf "%-6s %-8s %13d %7d %9.1f %10.2f %10.2f\n", st, s, load, NR, NR / (sum / 1e6), p50 / 1000, p99 / 1000
      }'
  done
done
