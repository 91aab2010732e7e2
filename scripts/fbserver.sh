#!/usr/bin/env bash
# Starts or stops a Firebird 3 SuperServer on 127.0.0.1:3050 for the TCP/IP
# tests, without systemd: fbserver.sh start | stop | folder
# The server runs as user firebird and serves databases it creates itself
# under $folder. SYSDBA's password is the one the program logs in with.
set -euo pipefail

run_dir=/run/firebird3.0
pid_file=$run_dir/quendal-fbguard.pid
folder=/var/lib/firebird/3.0/data/quendal-tests
security=/var/lib/firebird/3.0/system/security3.fdb
password=plumtiger

listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

start() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "fbserver.sh: must run as root to start the server" >&2
    return 1
  fi
  if ! listening; then
    # Set the password through the embedded engine, with a lock folder of
    # its own so that nothing root owns is left for the server.
    local lock; lock=$(mktemp -d)
    printf "CREATE OR ALTER USER SYSDBA PASSWORD '%s' USING PLUGIN Srp;\nCOMMIT;\n" "$password" |
      FIREBIRD_LOCK=$lock isql-fb -q -user sysdba "$security" >/dev/null
    rm -rf "$lock"
    chown firebird:firebird "$security"
    mkdir -p "$run_dir"
    chown firebird:firebird "$run_dir"
    runuser -u firebird -- env FIREBIRD_LOCK="$run_dir" /usr/sbin/fbguard -daemon -forever -pidfile "$pid_file"
    for _ in $(seq 1 100); do
      listening && break
      sleep 0.1
    done
    listening || { echo "fbserver.sh: the server did not start" >&2; return 1; }
  fi
  mkdir -p "$folder"
  chown firebird:firebird "$folder"
  echo "Firebird server listening on 127.0.0.1:3050"
}

stop() {
  # The guard first, so that it does not restart the server it watches.
  pkill -TERM -f "fbguard .*-pidfile $pid_file" 2>/dev/null || true
  if [ -f "$pid_file" ]; then
    kill -TERM "$(cat "$pid_file")" 2>/dev/null || true
  fi
  for _ in $(seq 1 50); do
    listening || break
    sleep 0.1
  done
  rm -f "$pid_file"
  rm -rf "$folder"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  folder) echo "$folder" ;;
  *) echo "usage: fbserver.sh start|stop|folder" >&2; exit 2 ;;
esac
