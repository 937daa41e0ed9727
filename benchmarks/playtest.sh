#!/usr/bin/env bash
# Plays every stage with the autopilot, with three seeds, at --fixed-step=25 in a small window
# under the test display, and prints one row per stage; then the same for a player who only
# holds Accelerate (first seed). A run's margin is the smaller of its time left as a share of the
# clock and its health left as a share of full health (0 for a lost run), how close it came to
# losing; the row gives the mean over the seeds, and the two shares' means. "special" counts the
# seeds that achieved the stage's special mission ("-": the stage has none).
# Usage: benchmarks/playtest.sh [build] [first stage] [last stage] [seeds]
set -euo pipefail
build="${1:-build}"
first="${2:-1}"
last="${3:-15}"
seeds="${4:-1 2 3}"
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 320x240x24" "$0" "$@"; fi
source "$(dirname "$0")/game-copy.sh"
printf '1 keys=38\n' >"$dir/accelerate.txt"

# play STAGE SEED MODE: one run; prints "won timeShare healthShare destroyed score frames wall special".
play() {
  local stage=$1 seed=$2 mode=$3 trace="$dir/trace.txt" t0 t1
  local args=(--stage="$stage" --fixed-step=25 --seed="$seed" --window=160x120 --audio=none --frames=20000
    --trace="$trace")
  rm -f "$trace" "$dir/Config.cfg"
  t0=$(date +%s%N)
  if [ "$mode" = autopilot ]; then
    "$dir/kestrova" "${args[@]}" --autopilot >/dev/null 2>&1
  else
    # Nothing ends the run at the stage's end page but the script: watch the trace for it.
    "$dir/kestrova" "${args[@]}" --input="$dir/accelerate.txt" >/dev/null 2>&1 &
    local pid=$!
    while kill -0 "$pid" 2>/dev/null; do
      if grep -qE 'menu=1 page=1[57] ' "$trace" 2>/dev/null; then kill "$pid"; break; fi
      sleep 0.5
    done
    wait "$pid" 2>/dev/null || true
  fi
  t1=$(date +%s%N)
  awk -v wall="$(((t1 - t0) / 1000000))" '
    /^frame=/ {
      for (i = 1; i <= NF; ++i) { split($i, kv, "="); f[kv[1]] = kv[2] }
      if (f["menu"] == 1 && (f["page"] == 15 || f["page"] == 17) && !ended) {
        ended = 1; won = f["page"] == 15; frames = f["frame"]
      }
      if (!ended && f["health"] != "") {
        if (!clock) { clock = f["time"] + 25; full = f["health"] }
        time = f["time"]; health = f["health"]; destroyed = f["destroyed"]; score = f["score"]
        special = f["special"]
      }
    }
    END {
      if (!ended) frames = f["frame"]
      printf "%d %.3f %.3f %d %d %d %.1f %d\n", won, won ? time / clock : 0, won ? health / full : 0,
             destroyed, score, frames, wall / 1000, special < 0 ? -1 : won && special == 1
    }' "$trace"
}

# table MODE SEEDS...: one row per stage.
table() {
  local mode=$1
  shift
  printf '%-5s %-6s %8s %10s %8s %9s %6s %7s %6s %6s %7s\n' stage won margin "time left" health \
    destroyed score frames wall special seeds
  for stage in $(seq "$first" "$last"); do
    for seed in "$@"; do play "$stage" "$seed" "$mode"; done |
      awk -v stage="$stage" -v n="$#" -v seeds="$*" '
        { won += $1; ts += $2; hs += $3; m += $2 < $3 ? $2 : $3; d += $4; s += $5; fr += $6; w += $7
          if ($8 < 0) none = 1; else sp += $8 }
        END {
          printf "%-5s %d/%-4d %8.2f %9.0f%% %7.0f%% %9.1f %6.0f %7.0f %6.1f %6s %7s\n", stage, won, n,
                 m / n, 100 * ts / n, 100 * hs / n, d / n, s / n, fr / n, w, none ? "-" : sp, seeds
        }'
  done
}

echo "Autopilot"
# shellcheck disable=SC2086
table autopilot $seeds
echo
echo "Accelerate only"
table accelerate "${seeds%% *}"
