#!/usr/bin/env bash
# Submissions per second and latency of the score service with concurrent clients on
# loopback, each submission including its handshake; first on SQLite, then on a throwaway
# PostgreSQL cluster with its default durability settings.
# Usage: benchmarks/scores.sh [build] [clients] [submissions per client]
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
clients="${2:-32}"
each="${3:-100}"
dir=$(mktemp -d /tmp/kestrova-scores-bench-XXXXXX)
service=""
pgbin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
as_postgres() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
cleanup() {
  [ -n "$service" ] && kill "$service" 2>/dev/null && wait "$service" || true
  [ -f "$dir/pg/PG_VERSION" ] && as_postgres "$pgbin/pg_ctl" -D "$dir/pg" -m fast -w stop >/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

free_port() { # a loopback port that refuses connections
  local port
  while :; do
    port=$((20000 + RANDOM % 40000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
  done
}

run() { # name database
  "$build/server/kestrova-scores" --host=127.0.0.1 --port=0 --database="$2" --threads=48 \
    --handshakes-per-minute=0 --submissions-per-minute=0 >"$dir/$1.log" 2>&1 &
  service=$!
  local port=""
  for _ in $(seq 100); do
    port=$(grep -o '127.0.0.1:[0-9]*' "$dir/$1.log" | head -n 1 | cut -d: -f2 || true)
    [ -n "$port" ] && break
    sleep 0.1
  done
  [ -n "$port" ] || { cat "$dir/$1.log"; exit 1; }
  printf '%-10s ' "$1"
  "$build/benchmarks/scores_load" "$port" "$clients" "$each"
  kill "$service"
  wait "$service" || true
  service=""
}

run sqlite "$dir/scores.db"

if [ -n "$pgbin" ]; then
  [ "$(id -u)" -eq 0 ] && chown postgres "$dir"
  as_postgres "$pgbin/initdb" -D "$dir/pg" -A trust -U postgres -E UTF8 --locale=C >/dev/null
  pgport=$(free_port)
  as_postgres "$pgbin/pg_ctl" -D "$dir/pg" -l "$dir/pg.log" -w \
    -o "-p $pgport -k $dir -c listen_addresses=127.0.0.1 -c max_connections=50" start >/dev/null
  run postgresql "postgresql://postgres@127.0.0.1:$pgport/postgres"
else
  echo "postgresql: skipped, the postgresql package is not installed"
fi
