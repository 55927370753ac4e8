# The updater end to end: nginx on loopback serves a sample installation and
# its manifest (a slow manifest, so the check dialog stays up a moment, and
# one large file sent at a limited rate, so the download can be watched);
# Update.exe runs under Wine on the virtual display against a local copy in
# which some files differ, and starts the stand-in game program at the end.
root=$1
. "$root/scripts/lib/screenshot.sh"
build="${UPDATE_DEMO_BUILD:-${DEMO_WIN_BUILD:-$root/build/win32}}"
bin="$build/bin"
[ -f "$bin/Update.exe" ] && [ -f "$bin/game.exe" ] || { echo "update: Update.exe or game.exe not built"; exit 1; }

demo="$build/demo-update"
rm -rf "$demo"
mkdir -p "$demo/www/game/files/data/maps" "$demo/www/game/files/bin" "$demo/install/data" "$demo/logs" "$demo/tmp"
www="$demo/www/game"
install="$demo/install"

# The server's installation: three small files, one nested, one large.
printf 'version=2.4.1\nchannel=stable\n' >"$www/files/version.txt"
printf 'welcome to the lobby\n' >"$www/files/readme.txt"
head -c 40000 /dev/urandom >"$www/files/data/maps/lobby.map"
head -c 6000000 /dev/urandom >"$www/files/bin/assets.pak"
# The local installation: readme is current, version is old, the map and
# the asset pack are missing.
cp "$www/files/readme.txt" "$install/readme.txt"
printf 'version=2.3.0\nchannel=stable\n' >"$install/version.txt"
cp "$bin/Update.exe" "$bin/game.exe" "$install/"
printf 'version.txt\ndata\\maps\\lobby.map\nbin\\assets.pak\n' >"$install/game-expects.txt"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()')
{
  echo "[UPDATECONFIG]"
  echo "FileCount=4"
  echo "UPDATENETADDR=http://127.0.0.1:$port/game/files/"
  echo "[FILENAME]"
  i=0
  for f in version.txt readme.txt data/maps/lobby.map bin/assets.pak; do echo "FileIndex$i=$f"; i=$((i + 1)); done
  echo "[FILECHECKSUM]"
  i=0
  for f in version.txt readme.txt data/maps/lobby.map bin/assets.pak; do
    echo "FileIndex$i=$(md5sum "$www/files/$f" | cut -d' ' -f1)"
    i=$((i + 1))
  done
  # Padding: the manifest trickles out slowly enough to see the check.
  for i in $(seq 1 12); do echo "; ............................................"; done
} >"$www/GameList.ini"

cat >"$demo/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
error_log $demo/logs/nginx.log;
pid $demo/nginx.pid;
events { worker_connections 32; }
http {
  access_log $demo/logs/access.log;
  client_body_temp_path $demo/tmp/body;
  proxy_temp_path $demo/tmp/proxy;
  fastcgi_temp_path $demo/tmp/fastcgi;
  uwsgi_temp_path $demo/tmp/uwsgi;
  scgi_temp_path $demo/tmp/scgi;
  default_type application/octet-stream;
  server {
    listen 127.0.0.1:$port;
    root $demo/www;
    location = /game/GameList.ini { limit_rate 150; }
    location /game/files/bin/ { limit_rate 1m; }
  }
}
CONF
nginx -c "$demo/nginx.conf" -p "$demo" >"$demo/logs/nginx.out" 2>&1 </dev/null &
nginx_pid=$!
update_pid=""
cleanup() {
  [ -n "$update_pid" ] && kill "$update_pid" 2>/dev/null
  kill "$nginx_pid" 2>/dev/null
  wait "$nginx_pid" 2>/dev/null
}
trap cleanup EXIT
for i in $(seq 1 50); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 0.2).close()" 2>/dev/null && break
  sleep 0.1
done

winpath() { echo "Z:$1" | tr / '\\'; }
game="$(winpath "$install")\\game.exe"
url="http://127.0.0.1:$port/game/GameList.ini"
echo "update: serving $url from $www"
echo "update: running Update.exe \"$game|$url\""
(cd "$install" && exec wine Update.exe "$game|$url" >"$demo/logs/update.out" 2>&1 </dev/null) &
update_pid=$!

# The check dialog, while the manifest is still arriving.
sleep 3
screenshot update-check
# The update window, once the large file is on its way.
for i in $(seq 1 100); do
  [ -s "$install/DownLoad/assets.pak" ] && break
  sleep 0.2
done
sleep 3.5
screenshot update-window

for i in $(seq 1 360); do
  kill -0 "$update_pid" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$update_pid" 2>/dev/null; then echo "update: Update.exe did not finish"; exit 1; fi
update_pid=""
for i in $(seq 1 40); do [ -f "$install/game-started.txt" ] && break; sleep 0.25; done
[ -f "$install/game-started.txt" ] || { echo "update: the game program was not started"; exit 1; }
echo "update: the game program received (and found these files in place):"
sed 's/^/  /' "$install/game-started.txt"
cmp -s "$www/files/bin/assets.pak" "$install/bin/assets.pak" && echo "update: bin\\assets.pak matches the server's copy"
