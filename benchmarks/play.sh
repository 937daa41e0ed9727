#!/usr/bin/env bash
# Plays stage 1 with its traffic at 800 x 600 under the test display, driving at full speed
# and firing at the road ahead, once with shadows off and once on, and prints frames per
# second and the 50th and 99th percentile frame time (the frame's work from its start to its
# buffer swap). Usage: benchmarks/play.sh [build] [frames]
set -euo pipefail
build="${1:-build}"
frames="${2:-1200}"
exe="$(cd "$build" && pwd)/kestrova"
dir=$(mktemp -d)
trap 'rm -rf "$dir"; [ -n "${xvfb:-}" ] && kill "$xvfb"' EXIT
cp "$exe" "$build/Data.dpg" "$dir"/
cp -r "$build/Data" "$dir"/
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :78 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:78
  sleep 1
fi
export KESTROVA_AUDIO=none KESTROVA_DIALOGS=stderr
printf '1 keys=38,1 pointer=400,240\n' >"$dir/input.txt"

printf '%-8s %8s %10s %10s\n' shadows "frames/s" "p50 (ms)" "p99 (ms)"
for shadows in off on; do
  "$dir/kestrova" --stage=1 --fixed-step=25 --seed=5 --window=800x600 --input="$dir/input.txt" \
    --frames="$frames" --vsync=off --shadows="$shadows" --frame-times="$dir/times-$shadows.txt" >/dev/null 2>&1
  sort -n "$dir/times-$shadows.txt" | awk -v s="$shadows" '
    { t[NR] = $1; sum += $1 }
    END {
      p50 = t[int(NR * 0.50 + 0.5)]; p99 = t[int(NR * 0.99 + 0.5)]
      printf "%-8s %8.1f %10.2f %10.2f\n", s, NR / (sum / 1e6), p50 / 1000, p99 / 1000
    }'
done
