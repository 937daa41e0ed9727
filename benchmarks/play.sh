#!/usr/bin/env bash
# The autopilot plays stage 1 and stage 12 at 800 x 600 under the test display, shadows off and
# on, for up to 2000 frames each (a stage won sooner ends the run), at render scales 1, 0.75 and
# auto. Prints the start-up to the first frame (the main page), without and with sound, and the
# start-up with the stage's load to its first frame (each the best of three one-frame runs); for
# each run frames per second and the 50th and 99th percentile frame time (the frame's work from
# its start to its buffer swap), with auto's mean scale; then the fragments each pass of a frame
# writes per window pixel at scale 1 (a run of its own: counting holds up the drawing).
# Usage: benchmarks/play.sh [build] [frames]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
build="${1:-build}"
frames="${2:-2000}"
source "$(dirname "$0")/game-copy.sh"
play=(--autopilot --fixed-step=25 --seed=5 --window=800x600 --vsync=off)

start=$(best "$dir/kestrova" --fixed-step=25 --window=800x600 --vsync=off --frames=1)
echo "start-up to the first frame: ${start} ms"
# A player has a sound device: OpenAL's silent output stands in for one.
sound=$(best env -u KESTROVA_AUDIO ALSOFT_DRIVERS=null "$dir/kestrova" --fixed-step=25 --window=800x600 --vsync=off --frames=1)
echo "start-up to the first frame with a sound device: ${sound} ms"
printf '%-6s %-8s %13s %6s %7s %9s %10s %10s %11s\n' stage shadows "to play (ms)" scale frames "frames/s" "p50 (ms)" \
  "p99 (ms)" "mean scale"
for stage in 1 12; do
  load=$(best "$dir/kestrova" --stage="$stage" --fixed-step=25 --window=800x600 --vsync=off --frames=1)
  for shadows in off on; do
    for scale in 1 0.75 auto; do
      "$dir/kestrova" --stage="$stage" "${play[@]}" --frames="$frames" --shadows="$shadows" --render-scale="$scale" \
        --frame-times="$dir/times.txt" --trace="$dir/trace.txt" >/dev/null 2>&1
      # The scene's width over the window's, over the frames that drew it.
      mean=$(awk -F'scene=' '/ menu=0 / { split($2, s, "x"); sum += s[1] / 800; n++ } END { printf "%.2f", n ? sum / n : 0 }' \
        "$dir/trace.txt")
      sort -n "$dir/times.txt" | awk -v st="$stage" -v s="$shadows" -v load="$load" -v scale="$scale" -v mean="$mean" '
        { t[NR] = $1; sum += $1 }
        END {
          p50 = t[int(NR * 0.50 + 0.5)]; p99 = t[int(NR * 0.99 + 0.5)]
          printf "%-6s %-8s %13d %6s %7d %9.1f %10.2f %10.2f %11s\n", st, s, load, scale, NR, NR / (sum / 1e6), p50 / 1000,
            p99 / 1000, mean
        }'
    done
  done
done

echo "fragments per window pixel at scale 1, each pass of the frame in drawing order (1.00 in total is every pixel drawn once):"
for stage in 1 12; do
  for shadows in off on; do
    "$dir/kestrova" --stage="$stage" "${play[@]}" --frames=$((frames < 1000 ? frames : 1000)) --shadows="$shadows" \
      --fragments="$dir/fragments.txt" >/dev/null 2>&1
    awk -v st="$stage" -v s="$shadows" '
      { for (i = 1; i <= NF; i++) { split($i, kv, "="); if (!(kv[1] in sum)) order[++n] = kv[1]; sum[kv[1]] += kv[2] } }
      END {
        printf "stage %s shadows %-3s", st, s
        for (i = 1; i <= n; i++) { share = sum[order[i]] / NR / (800 * 600); total += share; printf " %s %.3f", order[i], share }
        printf "  total %.3f\n", total
      }' "$dir/fragments.txt"
  done
done
