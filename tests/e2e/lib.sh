# Shared steps of the end-to-end tests and the demo: an updater built for a loopback update
# host, a demo installation, the update server, a display, the window's log and its boxes.
# Source it after setting E2E_BUILD (a build folder) and E2E_FLAVOUR (native or wine).

E2E_SOURCE=${VELANTO_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
E2E_TIMEOUT=${E2E_TIMEOUT:-60}
E2E_LOCALE=fr_FR.UTF-8
E2E_PIDS=()

e2e_fail() { echo "FAIL: $*" >&2; e2e_show_log >&2; exit 1; }
e2e_note() { echo "-- $*"; }

e2e_show_log() {
  [ -n "${E2E_WORK:-}" ] && [ -f "$E2E_WORK/ui.log" ] || return 0
  echo "window log:"; e2e_ui_log | sed 's/^/  /'
}

# A working folder, removed at exit with every process started here.
e2e_begin() {
  E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velanto-e2e.XXXXXX")
  trap e2e_end EXIT
}

e2e_end() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  [ "$E2E_FLAVOUR" = wine ] && [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k 2>/dev/null || true
  for pid in $(e2e_installed_target_pids); do kill -9 "$pid" 2>/dev/null || true; done
  [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_WORK"
}

e2e_free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Builds the updater (and the two demo targets) whose update host is 127.0.0.1:E2E_PORT, in
# DIR; the port of the last build is kept there and reused while it is free.
e2e_build_updater() {
  local dir=$1 port=${2:-}
  mkdir -p "$dir"
  [ -n "$port" ] || port=$(cat "$dir/port" 2>/dev/null || true)
  [ -n "$port" ] && python3 -c "import socket,sys; socket.socket().bind(('127.0.0.1', $port))" 2>/dev/null \
    || port=$(e2e_free_port)
  local args=(-S "$E2E_SOURCE" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELANTO_TESTS=OFF
              -DVELANTO_BENCH=OFF "-DVELANTO_UPDATE_HOST=127.0.0.1:$port")
  [ "$E2E_FLAVOUR" = wine ] && args+=("-DCMAKE_TOOLCHAIN_FILE=$E2E_SOURCE/cmake/mingw-x86_64.cmake")
  cmake "${args[@]}" >"$dir/configure.log" 2>&1 || { cat "$dir/configure.log"; e2e_fail "configure $dir"; }
  cmake --build "$dir" -j2 --target maj demo_velanto__1_0 demo_velanto__2_0 >"$dir/build.log" 2>&1 \
    || { tail -40 "$dir/build.log"; e2e_fail "build $dir"; }
  echo "$port" >"$dir/port"
  E2E_PORT=$port
  E2E_EXE=""
  [ "$E2E_FLAVOUR" = wine ] && E2E_EXE=.exe
  E2E_UPDATER=$dir/app/maj$E2E_EXE
  E2E_OLD_TARGET=$dir/tools/demo-velanto/v1.0/velanto.exe
  E2E_NEW_TARGET=$dir/tools/demo-velanto/v2.0/velanto.exe
}

# The installation: the updater and the old velanto.exe, last written three days ago.
e2e_install() {
  E2E_INSTALL=$E2E_WORK/install
  mkdir -p "$E2E_INSTALL"
  cp "$E2E_UPDATER" "$E2E_INSTALL/"
  cp "$E2E_OLD_TARGET" "$E2E_INSTALL/velanto.exe"
  touch -d '3 days ago' "$E2E_INSTALL/velanto.exe"
}

# Today in the short date format the updater reads under E2E_LOCALE.
e2e_today() { LC_ALL=$E2E_LOCALE date +%x; }

# The version page: FIRST_LINE, then a line break and some HTML.
e2e_publish_page() {
  mkdir -p "$E2E_WORK/site/velanto"
  printf '%s\r\n<html><body>velanto</body></html>\r\n' "$1" >"$E2E_WORK/site/velanto/update-as.html"
}

# The release archive: the new velanto.exe (written 2 January 2026 03:04:06, mode 0750) and a
# read-me in a folder, then the files given as NAME=SIZE (random bytes, stored).
e2e_publish_archive() {
  local stage=$E2E_WORK/stage spec
  rm -rf "$stage" && mkdir -p "$stage/docs" "$E2E_WORK/site/rv"
  cp "$E2E_NEW_TARGET" "$stage/velanto.exe"
  chmod 0750 "$stage/velanto.exe"
  touch -d '2026-01-02 03:04:06' "$stage/velanto.exe"
  echo "velanto 2.0: nouvelle version" >"$stage/docs/lisez-moi.txt"
  local names=(docs/lisez-moi.txt velanto.exe)
  for spec in "$@"; do
    head -c "${spec#*=}" /dev/urandom >"$stage/${spec%%=*}"
    names+=("${spec%%=*}")
  done
  rm -f "$E2E_WORK/site/rv/velanto-as.zip"
  (cd "$stage" && zip -q -0 "$E2E_WORK/site/rv/velanto-as.zip" "${names[@]}")
}

# The update server on 127.0.0.1:E2E_PORT; extra arguments go to server.py.
e2e_serve() {
  rm -f "$E2E_WORK/ready"
  : >"$E2E_WORK/requests.log"
  python3 "$E2E_SOURCE/tests/e2e/server.py" --port "$E2E_PORT" --root "$E2E_WORK/site" \
    --log "$E2E_WORK/requests.log" --ready "$E2E_WORK/ready" "$@" &
  local pid=$!
  disown
  E2E_PIDS+=("$pid")
  local i
  for i in $(seq 100); do
    [ -s "$E2E_WORK/ready" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# (xdotool does not match a non-ASCII letter with ".": the patterns use "[^ ]*" for "à".)
# A display: $DISPLAY when E2E_USE_DISPLAY is set, otherwise an Xvfb of our own.
e2e_display() {
  if [ -n "${E2E_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return 0; fi
  command -v Xvfb >/dev/null || e2e_fail "Xvfb is not installed"
  local fifo=$E2E_WORK/displayfd
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  E2E_PIDS+=("$!")
  disown
  local i
  for i in $(seq 100); do
    [ -s "$fifo" ] && break
    sleep 0.1
  done
  [ -s "$fifo" ] || e2e_fail "Xvfb did not start"
  export DISPLAY=:$(head -n1 "$fifo")
}

e2e_wine_env() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    e2e_note "preparing the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
  fi
}

# Starts a program of the installation from inside it, in the background; its pid in E2E_LAST_PID.
e2e_run_in_install() {
  local program=$1
  if [ "$E2E_FLAVOUR" = wine ]; then
    (cd "$E2E_INSTALL" && exec env LANG=$E2E_LOCALE /usr/lib/wine/wine64 "$program") >/dev/null 2>&1 &
  else
    (cd "$E2E_INSTALL" && exec env LC_ALL= LANG=$E2E_LOCALE LC_TIME=$E2E_LOCALE "./$program") >/dev/null 2>&1 &
  fi
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
  disown
}

e2e_start_target() { e2e_run_in_install velanto.exe; E2E_TARGET_PID=$E2E_LAST_PID; }

e2e_start_updater() {
  export VELANTO_UI_LOG=$E2E_WORK/ui.log
  [ "$E2E_FLAVOUR" = wine ] && VELANTO_UI_LOG="Z:$E2E_WORK/ui.log"
  : >"$E2E_WORK/ui.log"
  e2e_run_in_install "maj$E2E_EXE"
  E2E_UPDATER_PID=$E2E_LAST_PID
  unset VELANTO_UI_LOG
  E2E_WINDOW=$(e2e_wait_window '^Mise [^ ]* jour velanto$') || e2e_fail "the updater's window did not appear"
}

# The first window whose name matches REGEX, waiting up to E2E_TIMEOUT seconds.
e2e_wait_window() {
  local i id
  for i in $(seq $((E2E_TIMEOUT * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# The window's log (UTF-8 in both builds).
e2e_ui_log() { cat "$E2E_WORK/ui.log"; }

e2e_log_has() { e2e_ui_log | grep -qxF -- "$1"; }

# Waits until the window's log holds the line.
e2e_wait_log() {
  local i
  for i in $(seq $((E2E_TIMEOUT * 10))); do
    e2e_log_has "$1" && return 0
    sleep 0.1
  done
  e2e_fail "the window never logged: $1"
}

# Clicks at X,Y of the client area of the updater's window.
e2e_click() {
  xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1
}

e2e_click_update() { e2e_click 90 100; }

# Waits for the window's log to report the box LINE, then answers it: natively with KEY
# (Return: its default button); under Wine, whose windows here take no keys from xdotool, by
# clicking button INDEX of COUNT, laid out centred along the bottom of the box.
e2e_answer_box() {
  local line=$1 key=${2:-Return} index=${3:-0} count=${4:-1}
  e2e_wait_log "$line"
  local box
  box=$(e2e_wait_window '^Mise [^ ]* jour$') || e2e_fail "no box for: $line"
  sleep 0.3
  if [ "$E2E_FLAVOUR" = wine ]; then
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$box")"
    local first=$(( (WIDTH - (count * 81 - 6)) / 2 ))
    xdotool mousemove --window "$box" $((first + index * 81 + 37)) $((HEIGHT - 23)) click 1
  else
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key --clearmodifiers "$key"
  fi
}

# Saves a picture of the whole display as BUILD/screenshots/NAME.png.
e2e_screenshot() {
  [ -n "$1" ] || return 0
  mkdir -p "$E2E_BUILD/screenshots"
  import -display "$DISPLAY" -window root "$E2E_BUILD/screenshots/$1.png" 2>/dev/null || true
}

# Waits for the process to end; false when it still runs after E2E_TIMEOUT seconds.
e2e_wait_exit() {
  local i
  for i in $(seq $((E2E_TIMEOUT * 10))); do
    kill -0 "$1" 2>/dev/null || return 0
    [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ] && return 0
    sleep 0.1
  done
  return 1
}

e2e_running() { kill -0 "$1" 2>/dev/null && [ "$(ps -o stat= -p "$1" | cut -c1)" != Z ]; }

# Native processes whose program is the installation's velanto.exe.
e2e_installed_target_pids() {
  [ -n "${E2E_INSTALL:-}" ] || return 0
  local exe pid
  for exe in /proc/[0-9]*/exe; do
    [ "$(readlink "$exe" 2>/dev/null)" = "$E2E_INSTALL/velanto.exe" ] || continue
    pid=${exe#/proc/}; echo "${pid%/exe}"
  done
}

e2e_requested() { grep -qxF "GET $1" "$E2E_WORK/requests.log"; }

# Sets everything up for a test: the updater for this build flavour, display and server.
e2e_setup() {
  E2E_BUILD=$(cd "$1" && pwd) E2E_FLAVOUR=$2
  command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }
  e2e_begin
  # The tests of one build share its loopback updater and port: one at a time.
  exec 9>"$E2E_BUILD/e2e.lock"
  flock 9
  [ "$E2E_FLAVOUR" = wine ] && e2e_wine_env "$E2E_BUILD/e2e-wineprefix"
  e2e_build_updater "$E2E_BUILD/e2e-updater"
  e2e_install
  e2e_display
}

# True when the window's log holds these lines in this order (others may come between).
e2e_log_in_order() {
  e2e_ui_log | python3 -c '
import sys
want, i = sys.argv[1:], 0
for line in sys.stdin.read().splitlines():
    if i < len(want) and line == want[i]:
        i += 1
sys.exit(0 if i == len(want) else 1)' "$@"
}

e2e_check() { "$@" || e2e_fail "not true: $*"; }
