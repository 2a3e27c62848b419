#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A throw-away PostgreSQL server for the store's tests, on a Unix socket in DIR only (no TCP).
#
#   scripts/pg-test-cluster.sh start DIR [PORT]   prints "host=DIR port=N"
#   scripts/pg-test-cluster.sh stop DIR
#
# start wipes whatever an earlier run left in DIR (stopping its server first), creates a
# cluster with trust authentication on the socket, a superuser role and a database named for
# the calling user (so a client that names neither connects as it), and starts the server.
# The port only names the socket file (DIR/.s.PGSQL.N); if the server does not come up on it,
# the next ones are tried. The chosen port is written to DIR/port.
# PostgreSQL refuses to run as root: run as root, the server runs as the `postgres` system
# user, in a DIR that user owns (or, when it cannot reach DIR, in a folder of its own under
# /tmp whose socket DIR links to). stop succeeds when there is nothing left to stop.
# Exit status 77: PostgreSQL is not installed (the tests that need it skip), unless
# DRAVEX_REQUIRE_POSTGRESQL is set (as the test command sets it): then 1, a failure.
set -euo pipefail

usage() {
  echo "usage: $0 start DIR [PORT] | stop DIR" >&2
  exit 2
}
[ $# -ge 2 ] || usage
action=$1
dir=$2
port=${3:-${DRAVEX_TEST_PG_PORT:-55432}}

bindir=${PG_BINDIR:-}
if [ -z "$bindir" ]; then
  for candidate in /usr/lib/postgresql/*/bin; do
    [ -x "$candidate/initdb" ] && bindir=$candidate
  done
  if [ -z "$bindir" ] && command -v initdb >/dev/null 2>&1; then
    bindir=$(dirname "$(command -v initdb)")
  fi
fi
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
  echo "PostgreSQL is not installed (no initdb found); scripts/setup-debian.sh installs it" >&2
  [ -n "${DRAVEX_REQUIRE_POSTGRESQL:-}" ] && exit 1
  exit 77
fi

caller=$(id -un)
as_server=()
server_user=$caller
if [ "$(id -u)" -eq 0 ]; then
  server_user=postgres
  as_server=(runuser -u postgres --)
fi
run() { "${as_server[@]}" "$@"; }

# Where the server keeps its data, log and socket: DIR itself, or, when run as root and the
# postgres user cannot reach DIR (a parent folder closed to it, such as /root), a folder of
# its own under /tmp, named in DIR/home, whose socket DIR links to.
home_of() {
  if [ -f "$1/home" ]; then cat "$1/home"; else echo "$1"; fi
}

stop_server() {
  # A server started from DIR earlier: stopped fast (the data is thrown away anyway).
  local data
  data=$(home_of "$dir")/data
  if [ -f "$data/postmaster.pid" ]; then
    run "$bindir/pg_ctl" -D "$data" -m immediate -w -t 20 stop >/dev/null 2>&1 || true
    # pg_ctl could not stop it (another user's, or its files damaged): end the process it
    # names, if that is still a postgres server.
    local pid
    pid=$(head -n 1 "$data/postmaster.pid" 2>/dev/null || true)
    if [ -n "$pid" ] && [ "$pid" -gt 0 ] 2>/dev/null && [ -r "/proc/$pid/comm" ] &&
      grep -qE '^(postgres|postmaster)$' "/proc/$pid/comm"; then
      kill -QUIT "$pid" 2>/dev/null || true
      for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
    fi
  fi
}

remove_cluster() {
  local home
  home=$(home_of "$dir")
  case $home in
  /tmp/dravex-pg.*) rm -rf "$home" ;;
  esac
  rm -rf "$dir"
}

case $action in
stop)
  stop_server
  remove_cluster
  exit 0
  ;;
start) ;;
*) usage ;;
esac

mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
stop_server
remove_cluster
mkdir -p "$dir"
home=$dir
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$dir"
  if ! run test -w "$dir"; then
    home=$(mktemp -d /tmp/dravex-pg.XXXXXX)
    chown postgres: "$home"
    echo "$home" >"$dir/home"
  fi
fi
data=$home/data
log=$home/server.log
# The socket's path must fit the 107 bytes a Unix socket address holds.
if [ $((${#dir} + 18)) -gt 107 ]; then
  echo "$dir: too long a path for a Unix socket; use a shorter build folder" >&2
  exit 1
fi

run "$bindir/initdb" -D "$data" -U "$server_user" --auth=trust --no-sync --encoding=UTF8 --locale=C.UTF-8 \
  --no-instructions >"$dir/initdb.log" 2>&1 || {
  cat "$dir/initdb.log" >&2
  exit 1
}

started=""
for try in $(seq 0 9); do
  p=$((port + try))
  # fsync off and a small server: the data is thrown away, and the tests should be quick.
  if run "$bindir/pg_ctl" -D "$data" -l "$log" -w -t 30 -s \
    -o "-c listen_addresses='' -c unix_socket_directories='$home' -p $p -c fsync=off \
        -c synchronous_commit=off -c full_page_writes=off -c max_connections=120 \
        -c shared_buffers=32MB" start >/dev/null 2>&1; then
    started=$p
    break
  fi
  # A server that did not come up leaves nothing running; its log says why.
  stop_server
done
if [ -z "$started" ]; then
  echo "the PostgreSQL test server did not start; its log:" >&2
  cat "$log" >&2 || true
  exit 1
fi

psql() { run "$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$home" -p "$started" -U "$server_user" "$@"; }
if [ "$caller" != "$server_user" ]; then
  psql -d postgres -c "CREATE ROLE \"$caller\" LOGIN SUPERUSER" >/dev/null
fi
if [ "$caller" != postgres ]; then
  psql -d postgres -c "CREATE DATABASE \"$caller\" OWNER \"$caller\"" >/dev/null
fi
[ "$home" = "$dir" ] || ln -s "$home/.s.PGSQL.$started" "$dir/.s.PGSQL.$started"
echo "$started" >"$dir/port"
echo "host=$dir port=$started"
