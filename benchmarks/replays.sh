#!/usr/bin/env bash
# The size of a stage-1 replay against its 100 KB target, recorded at 60 frames a second (steps
# of 16, 17 and 17 ms): once played by the autopilot, and once by a player who holds Accelerate
# and moves the mouse in every frame (the largest kind of run) at 800 x 600, for as long as the
# autopilot took. Usage: benchmarks/replays.sh [build]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
build="${1:-build}"
source "$(dirname "$0")/game-copy.sh"

replays="$dir/data/kestrova/replays"
record() { # NAME ARGS...: records stage 1 with ARGS and prints the run's frames and size
  local name=$1
  shift
  rm -rf "$dir/data"
  "$dir/kestrova" --stage=1 --fixed-step=25 --seed=1 --vsync=off --trace="$dir/trace.txt" "$@" >/dev/null 2>&1
  printf '%-10s %7d frames %8d bytes\n' "$name" "$(grep -c '^frame=' "$dir/trace.txt")" \
    "$(stat -c %s "$replays"/run-*.kreplay)"
}
awk 'BEGIN { for (f = 1; f <= 20000; ++f) printf "%d step=%d\n", f, f % 3 ? 17 : 16 }' >"$dir/autopilot.txt"
record autopilot --autopilot --window=160x120 --input="$dir/autopilot.txt" --frames=20000
frames=$(grep -c '^frame=' "$dir/trace.txt")
awk -v n="$frames" 'BEGIN { for (f = 1; f <= n; ++f)
    printf "%d step=%d keys=38 pointer=%d,%d\n", f, f % 3 ? 17 : 16, 400 + 300 * sin(f / 23), 250 + 120 * cos(f / 17) }' \
  >"$dir/player.txt"
record player --window=800x600 --input="$dir/player.txt" --frames="$frames"
echo "target: under 102400 bytes"
