#!/usr/bin/env bash
# Submissions per second and latency of the score service, each submission including its
# handshake, 32 clients on loopback through the shipped nginx site (server/deploy/): SQLite with
# one instance, then a throwaway PostgreSQL cluster (its default durability) with one, two and
# three instances; every case once without and once with 200 slow connections held open at
# nginx. Rate limits are on but too high to refuse anything, so their counting is measured.
# Usage: benchmarks/scores.sh [build] [clients] [submissions per client] [slow connections]
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
clients="${2:-32}"
each="${3:-100}"
slow="${4:-200}"
site="$(cd "$(dirname "$0")/.." && pwd)/server/deploy/kestrova-scores.nginx.conf"
dir=$(mktemp -d /tmp/kestrova-scores-bench-XXXXXX)
chmod 755 "$dir" # nginx's workers run as nobody when this runs as root
services=()
nginx_pid=""
pgbin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
as_postgres() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
stop_all() {
  [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" || true
  nginx_pid=""
  for pid in "${services[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" || true; done
  services=()
}
cleanup() {
  stop_all
  [ -f "$dir/pg/PG_VERSION" ] && as_postgres "$pgbin/pg_ctl" -D "$dir/pg" -m fast -w stop >/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

free_port() { # a loopback port that refuses connections, below the range of outgoing ports
  local port
  while :; do
    port=$((20000 + RANDOM % 12000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
  done
}

wait_for_port() { # port log
  for _ in $(seq 200); do
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null && return
    sleep 0.05
  done
  cat "$2"
  exit 1
}

start_instances() { # count database; prints the instances' ports
  local ports=()
  for i in $(seq "$1"); do
    local port
    port=$(free_port)
    "$build/server/kestrova-scores" --host=127.0.0.1 --port="$port" --database="$2" \
      --trusted-proxy=127.0.0.1/32 --handshakes-per-minute=100000000 \
      --submissions-per-minute=100000000 >"$dir/service$i.log" 2>&1 &
    services+=($!)
    wait_for_port "$port" "$dir/service$i.log"
    ports+=("$port")
  done
  instance_ports=("${ports[@]}")
}

start_nginx() { # the shipped site with its listen line and upstream servers rewritten
  nginx_port=$(free_port)
  local upstream=""
  for port in "${instance_ports[@]}"; do upstream+="    server 127.0.0.1:$port;\n"; done
  sed -e "/^    server 127\.0\.0\.1:[0-9]*;$/d" -e "s/^upstream kestrova_scores {$/&\n$upstream/" \
    -e "/listen \[::\]:80;/d" -e "s/listen 80;/listen 127.0.0.1:$nginx_port;/" "$site" >"$dir/site.conf"
  cat >"$dir/nginx.conf" <<EOF
daemon off;
worker_processes auto;
pid $dir/nginx.pid;
error_log $dir/nginx-error.log;
events { worker_connections 4096; }
http {
  access_log off;
  client_body_temp_path $dir/body;
  proxy_temp_path $dir/proxy;
  fastcgi_temp_path $dir/fastcgi;
  uwsgi_temp_path $dir/uwsgi;
  scgi_temp_path $dir/scgi;
  include $dir/site.conf;
}
EOF
  /usr/sbin/nginx -p "$dir" -e "$dir/nginx-error.log" -c "$dir/nginx.conf" 2>>"$dir/nginx-error.log" &
  nginx_pid=$!
  wait_for_port "$nginx_port" "$dir/nginx-error.log"
}

run() { # label instances database
  start_instances "$2" "$3"
  start_nginx
  "$build/benchmarks/scores_load" "$nginx_port" "$clients" 10 >/dev/null # warms caches and connections
  for slow_now in 0 "$slow"; do
    printf '%-14s ' "$1"
    "$build/benchmarks/scores_load" "$nginx_port" "$clients" "$each" "$slow_now"
  done
  stop_all
}

[ -x /usr/sbin/nginx ] || { echo "nginx is not installed (scripts/bootstrap installs it)"; exit 1; }
run "sqlite x1" 1 "$dir/scores.db"

if [ -n "$pgbin" ]; then
  [ "$(id -u)" -eq 0 ] && chown postgres "$dir"
  as_postgres "$pgbin/initdb" -D "$dir/pg" -A trust -U postgres -E UTF8 --locale=C >/dev/null
  pgport=$(free_port)
  as_postgres "$pgbin/pg_ctl" -D "$dir/pg" -l "$dir/pg.log" -w \
    -o "-p $pgport -k $dir -c listen_addresses=127.0.0.1 -c max_connections=100" start >/dev/null
  for n in 1 2 3; do run "postgresql x$n" "$n" "postgresql://postgres@127.0.0.1:$pgport/postgres"; done
else
  echo "postgresql: skipped, the postgresql package is not installed"
fi
