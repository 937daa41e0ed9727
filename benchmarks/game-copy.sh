# Sourced by the benchmarks once $build is set: a scratch copy of the built game in $dir
# (removed on exit, with the replays its runs record), no sound device or dialogs, and
# `best CMD...`, the fastest of three runs of CMD in milliseconds.
exe="$(cd "$build" && pwd)/kestrova"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$exe" "$build/Data.dpg" "$dir"/
cp -r "$build/Data" "$dir"/
export KESTROVA_AUDIO=none KESTROVA_DIALOGS=stderr XDG_DATA_HOME="$dir/data"

ms() { local t0 t1; t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N); echo $(((t1 - t0) / 1000000)); }
best() { local b=999999 t; for _ in 1 2 3; do t=$(ms "$@"); [ "$t" -lt "$b" ] && b=$t; done; echo "$b"; }
