#!/usr/bin/env bash
# A private print server for the printing tests, with a PDF queue and, as the system default,
# a queue that prints into nothing (so a job that ignores the chosen printer leaves no PDF):
#   print-queue.sh start DIR   starts it in the background (its socket is DIR/cups.sock)
#   print-queue.sh stop DIR    stops the one started there
# It never touches the machine's own print server or settings. When the queue cannot be had,
# "start" writes the missing piece to DIR/missing (the tests skip and name it) and still ends
# with success, so the rest of the run goes on.
set -uo pipefail
cmd=${1:-}
dir=${2:-}
[ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
queue=OrvellePDF
sink=OrvelleDefault

stop() {
  [ -f "$dir/cupsd.pid" ] || return 0
  local pid
  pid=$(cat "$dir/cupsd.pid")
  rm -f "$dir/cupsd.pid"
  # Only the server this script started: its pid, and only while it is still a cupsd.
  if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = cupsd ]; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  fi
  return 0
}

missing() {
  echo "$1" >"$dir/missing"
  echo "print-queue: no print queue for the tests: $1" >&2
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
    echo "print-queue: $dir is not this user's folder; no print queue for the tests" >&2
    exit 0
  fi
  stop
  rm -rf "$dir"
fi
mkdir -p -m 0755 "$dir" || { echo "print-queue: cannot make $dir" >&2; exit 0; }
mkdir -p "$dir"/{spool,tmp,cache,state,log,ppd,ssl}
# The filters run as the print server's own unprivileged user and keep their files here.
chmod 1777 "$dir/tmp"

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$cupsd" ] || missing "the print server cupsd (Debian package cups)"
command -v lpadmin >/dev/null || missing "lpadmin (Debian package cups-client)"
[ -e "$backend" ] && [ -f "$ppd" ] || missing "the PDF printer (Debian package printer-driver-cups-pdf)"
# The PDF backend is root's alone, so only a server running as root can print to it.
[ "$(id -u)" -eq 0 ] || missing "root: the PDF printer's backend runs only under a print server started by root"

cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing Off
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
FileDevice Yes
CONF

# In the foreground as far as cupsd is concerned, in the background of this run; its own
# session and no inherited output, so the test runner does not wait on it.
setsid "$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"

export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 300); do
  lpstat -r >/dev/null 2>&1 && break
  kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || break
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || missing "a running print server (cupsd did not start: $(tail -n 3 "$dir/log/error_log" "$dir/log/cupsd.out" 2>/dev/null | tr '\n' ' '))"
# A server that has only just started may still refuse changes for a moment.
added=""
for _ in $(seq 60); do
  if lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null &&
    lpadmin -p "$sink" -E -v file:/dev/null -P "$ppd" 2>/dev/null && lpadmin -d "$sink" 2>/dev/null; then
    added=yes
    break
  fi
  sleep 0.5
done
[ -n "$added" ] || missing "the PDF queue (lpadmin refused it)"

# Where the PDF printer puts a job of this user's: its "Out" setting, ${HOME} being the home
# folder of the user the job belongs to.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
out=${out:-\$\{HOME\}/PDF}
out=${out//\$\{HOME\}/$home}
out=${out//\$\{USER\}/$(id -un)}
echo "$out" >"$dir/output"
echo "$sink" >"$dir/default"
echo "$queue" >"$dir/ready"
exit 0
