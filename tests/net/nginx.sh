# Sourced: start_nginx WORK_DIR starts nginx serving WORK_DIR/root on a free loopback port,
# setting nginx_port and nginx_pid; stop_nginx stops it.
start_nginx() {
  local work=$1
  mkdir -p "$work/logs"
  nginx_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  local user_line=
  [ "$(id -u)" = 0 ] && user_line="user root;"
  cat > "$work/nginx.conf" <<CONF
$user_line
daemon off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/logs/error.log;
events { worker_connections 64; }
http {
  access_log off;
  client_body_temp_path $work/body;
  proxy_temp_path $work/proxy;
  fastcgi_temp_path $work/fastcgi;
  uwsgi_temp_path $work/uwsgi;
  scgi_temp_path $work/scgi;
  types { text/html html; application/zip zip; }
  server {
    listen 127.0.0.1:$nginx_port;
    root $work/root;
  }
}
CONF
  nginx -c "$work/nginx.conf" -p "$work" &
  nginx_pid=$!
  for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$nginx_port") 2>/dev/null && return 0
    sleep 0.1
  done
  echo "nginx did not start:"; cat "$work/logs/error.log"
  return 1
}

stop_nginx() {
  [ -n "${nginx_pid:-}" ] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
  nginx_pid=
}
