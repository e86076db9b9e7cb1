#!/usr/bin/env bash
# A private X display with a window manager, for the tests of what only shows on a desktop
# (which window is in front, where the keyboard goes after a message box):
#   wm-display.sh start DIR   starts Xvfb on a free display and Openbox on it; DIR/display
#                             then names the display (":N")
#   wm-display.sh stop DIR    stops the two started there
# Several runs at once each get their own display. When a piece cannot be had, "start" writes
# it to DIR/missing (the tests skip and name it) and still ends with success.
set -uo pipefail
cmd=${1:-}
dir=${2:-}
[ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }

stop() {
  local name pid
  for name in openbox Xvfb; do
    [ -f "$dir/$name.pid" ] || continue
    pid=$(cat "$dir/$name.pid")
    rm -f "$dir/$name.pid"
    # Only a process this script started: its pid, and only while it still runs that program.
    if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = "$name" ]; then
      kill "$pid" 2>/dev/null
      # Gone, or a zombie left for whoever adopted it to reap.
      for _ in $(seq 50); do
        [ "$(cut -d' ' -f3 /proc/"$pid"/stat 2>/dev/null || echo X)" = X ] && break
        [ "$(cut -d' ' -f3 /proc/"$pid"/stat 2>/dev/null)" = Z ] && break
        sleep 0.1
      done
      kill -9 "$pid" 2>/dev/null
    fi
  done
  rm -f "$dir/display"
  return 0
}

missing() {
  echo "$1" >"$dir/missing"
  echo "wm-display: no desktop for the tests: $1" >&2
  stop
  exit 0
}

case "$cmd" in
stop)
  stop
  exit 0 ;;
start) ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2 ;;
esac

# A folder left by an earlier run goes first; a folder this user does not own is never used.
if [ -e "$dir" ] || [ -L "$dir" ]; then
  if [ -L "$dir" ] || [ ! -O "$dir" ]; then
    echo "wm-display: $dir is not this user's folder; no desktop for the tests" >&2
    exit 0
  fi
  stop
  rm -rf "$dir"
fi
mkdir -p -m 0700 "$dir/config" || { echo "wm-display: cannot make $dir" >&2; exit 0; }

command -v Xvfb >/dev/null || missing "the X server Xvfb (Debian package xvfb)"
command -v openbox >/dev/null || missing "the window manager openbox (Debian package openbox)"

# The server picks a free display itself and writes its number once it takes connections. Each
# runs in its own session without inherited output, so the test runner does not wait on it.
setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/number" </dev/null >"$dir/xvfb.log" 2>&1 &
echo $! >"$dir/Xvfb.pid"
number=""
for _ in $(seq 300); do
  number=$(tr -dc 0-9 <"$dir/number" 2>/dev/null)
  [ -n "$number" ] && break
  kill -0 "$(cat "$dir/Xvfb.pid")" 2>/dev/null || break
  sleep 0.1
done
[ -n "$number" ] || missing "a running X server (Xvfb did not start: $(tail -n 3 "$dir/xvfb.log" | tr '\n' ' '))"

# The shipped configuration, never the user's own. Openbox runs its start-up command once it
# has taken the display.
DISPLAY=":$number" XDG_CONFIG_HOME="$dir/config" setsid openbox --sm-disable --startup "touch $(printf %q "$dir/wm-ready")" \
  </dev/null >"$dir/openbox.log" 2>&1 &
echo $! >"$dir/openbox.pid"
for _ in $(seq 300); do
  [ -e "$dir/wm-ready" ] && break
  kill -0 "$(cat "$dir/openbox.pid")" 2>/dev/null || break
  sleep 0.1
done
[ -e "$dir/wm-ready" ] ||
  missing "a running window manager (openbox did not start: $(tail -n 3 "$dir/openbox.log" | tr '\n' ' '))"
echo ":$number" >"$dir/display"
exit 0
