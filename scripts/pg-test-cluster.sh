#!/usr/bin/env bash
# Starts or stops a throwaway PostgreSQL cluster for the tests: a temporary directory, a Unix
# socket only (no TCP port), run by an unprivileged user because initdb refuses root.
#
#   eval "$(scripts/pg-test-cluster.sh start)"   # exports ORVANT_TEST_PG and ORVANT_TEST_PG_DIR
#   scripts/pg-test-cluster.sh stop "$ORVANT_TEST_PG_DIR"
set -euo pipefail

pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$pg_bin/initdb" ] || { echo "PostgreSQL server programs not found; run scripts/install-deps.sh" >&2; exit 1; }
test_user=orvanttest

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u "$test_user" -- "$@"; else "$@"; fi
}

start() {
  if [ "$(id -u)" -eq 0 ] && ! id "$test_user" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$test_user"
  fi
  local dir
  dir=$(mktemp -d /tmp/orvant-pg.XXXXXX)
  chmod 755 "$dir"
  [ "$(id -u)" -eq 0 ] && chown "$test_user" "$dir"
  local owner
  owner=$(stat -c %U "$dir")
  as_owner "$pg_bin/initdb" -D "$dir/cluster" -U "$owner" -A trust --no-sync -E UTF8 --locale=C >"$dir/initdb.log" 2>&1 \
    || { cat "$dir/initdb.log" >&2; exit 1; }
  as_owner "$pg_bin/pg_ctl" -D "$dir/cluster" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off -c max_connections=200" start >/dev/null \
    || { cat "$dir/server.log" >&2; exit 1; }
  as_owner "$pg_bin/createdb" -h "$dir" -U "$owner" orvant_test
  echo "export ORVANT_TEST_PG='host=$dir user=$owner dbname=orvant_test'"
  echo "export ORVANT_TEST_PG_DIR='$dir'"
}

stop() {
  local dir=${1:?cluster directory}
  [ -d "$dir/cluster" ] && as_owner "$pg_bin/pg_ctl" -D "$dir/cluster" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

case "${1:-}" in
  start) start ;;
  stop) stop "${2:-}" ;;
  *) echo "usage: $0 start | stop DIR" >&2; exit 2 ;;
esac
