#!/usr/bin/env bash
# Real peers of the updater's tests on loopback, each in the foreground of
# its own process with a configuration generated into DIR:
#   nginx      files under /files/, ranges, a relative and an absolute 302,
#              /slow/ with limit_rate 50m
#   danted     SOCKS4 and SOCKS5 without authentication
#   tinyproxy  HTTP CONNECT to nginx's port
#
#   peers.sh start DIR   -> DIR/peers.ini names the ports and the document root
#   peers.sh stop DIR    -> stops exactly the processes that start started
set -uo pipefail

cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: peers.sh start|stop DIR" >&2; exit 2; }

free_ports() {
  # Three free loopback ports from a range that depends on this run.
  python3 - "$1" <<'PY'
import socket, sys
port, found = int(sys.argv[1]), []
while len(found) < 3 and port < 65000:
    s = socket.socket()
    try:
        s.bind(("127.0.0.1", port)); found.append(port)
    except OSError:
        pass
    finally:
        s.close()
    port += 1
print(" ".join(map(str, found)))
PY
}

wait_listening() {
  python3 - "$1" <<'PY'
import socket, sys, time
for _ in range(100):
    try:
        socket.create_connection(("127.0.0.1", int(sys.argv[1])), 0.2).close(); sys.exit(0)
    except OSError:
        time.sleep(0.1)
sys.exit(1)
PY
}

gone() {
  # Stopped, or only a zombie left for its parent to collect.
  ! kill -0 "$1" 2>/dev/null || [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" = Z ]
}

stop_one() {
  local name=$1 pidfile="$dir/$1.run.pid" pid i
  [ -f "$pidfile" ] || return 0
  pid=$(cat "$pidfile")
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    for i in $(seq 1 50); do gone "$pid" && break; sleep 0.1; done
    gone "$pid" || kill -9 "$pid" 2>/dev/null
  fi
  rm -f "$pidfile"
  echo "peers: $name stopped"
}

stop_all() {
  stop_one tinyproxy
  stop_one danted
  stop_one nginx
}

start_one() {
  local name=$1 port=$2
  shift 2
  nohup "$@" >"$dir/logs/$name.out" 2>&1 </dev/null &
  echo $! >"$dir/$name.run.pid"
  if ! wait_listening "$port"; then
    echo "peers: $name did not come up on port $port" >&2
    cat "$dir/logs/$name.out" "$dir/logs/$name.log" 2>/dev/null | tail -20 >&2
    stop_all
    exit 1
  fi
  echo "peers: $name on 127.0.0.1:$port (pid $(cat "$dir/$name.run.pid"))"
}

case $cmd in
  stop)
    stop_all
    exit 0
    ;;
  start) ;;
  *) echo "peers.sh: unknown command $cmd" >&2; exit 2 ;;
esac

stop_all
mkdir -p "$dir/www/files/sub" "$dir/logs" "$dir/tmp"
chmod 777 "$dir/logs"
for tool in nginx danted tinyproxy python3; do
  command -v $tool >/dev/null || { echo "peers: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# Served files: small text, a binary larger than one read, a nested one.
printf 'hello from nginx\n' >"$dir/www/files/small.txt"
[ -s "$dir/www/files/big.bin" ] || head -c 300000 /dev/urandom >"$dir/www/files/big.bin"
printf 'nested file\n' >"$dir/www/files/sub/nested.txt"

read -r nginx_port socks_port proxy_port <<<"$(free_ports $((20000 + ($$ * 37) % 40000)))"
[ -n "${proxy_port:-}" ] || { echo "peers: no free ports" >&2; exit 1; }

cat >"$dir/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
error_log $dir/logs/nginx.log;
pid $dir/nginx.pid;
events { worker_connections 64; }
http {
  access_log $dir/logs/nginx-access.log;
  client_body_temp_path $dir/tmp/body;
  proxy_temp_path $dir/tmp/proxy;
  fastcgi_temp_path $dir/tmp/fastcgi;
  uwsgi_temp_path $dir/tmp/uwsgi;
  scgi_temp_path $dir/tmp/scgi;
  types { text/plain txt; application/octet-stream bin; }
  default_type application/octet-stream;
  sendfile on;
  server {
    listen 127.0.0.1:$nginx_port;
    root $dir/www;
    absolute_redirect off;
    location = /moved { return 302 /files/small.txt; }
    location = /moved-absolute { return 302 http://127.0.0.1:$nginx_port/files/sub/nested.txt; }
    location /slow/ { alias $dir/www/files/; limit_rate 50m; }
  }
}
CONF

cat >"$dir/danted.conf" <<CONF
logoutput: $dir/logs/danted.log
internal: 127.0.0.1 port = $socks_port
external: 127.0.0.1
clientmethod: none
socksmethod: none
user.privileged: root
user.unprivileged: nobody
client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }
socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }
CONF

cat >"$dir/tinyproxy.conf" <<CONF
Port $proxy_port
Listen 127.0.0.1
Timeout 60
MaxClients 20
Allow 127.0.0.1
ConnectPort $nginx_port
LogFile "$dir/logs/tinyproxy.log"
LogLevel Info
User nobody
Group nogroup
CONF

start_one nginx "$nginx_port" nginx -c "$dir/nginx.conf" -p "$dir"
start_one danted "$socks_port" danted -f "$dir/danted.conf"
start_one tinyproxy "$proxy_port" tinyproxy -d -c "$dir/tinyproxy.conf"

winroot="Z:$(echo "$dir/www" | tr / '\\')"
cat >"$dir/peers.ini" <<INI
[peers]
nginx=$nginx_port
socks=$socks_port
tinyproxy=$proxy_port
root=$winroot
INI
echo "peers: ready ($dir/peers.ini)"
