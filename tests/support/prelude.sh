# Helpers for the "%" lines of transcripts. They run as root inside the
# sandbox; $ROOT, $STATE, $LOG, $WORK, $TOOL, $BUILD and $SRC are set.

NOBODY=65534

# The tool, or any program, as nobody in test mode, or as nobody outside it.
# as_nobody gets the environment of "$" lines, "=" settings included.
as_nobody() { (IFS='
'; as_user env -i $(cat "$WORK/.tool-env") "$@"); }
as_user() { setpriv --reuid $NOBODY --regid $NOBODY --clear-groups env -i PATH=/usr/bin:/bin "$@"; }

# Waits up to $2 seconds (default 30: a busy machine is slow, a pass is quick)
# for the shell test $1 to hold.
wait_for() {
  local i && for i in $(seq $(( ${2:-30} * 20 ))); do eval "$1" && return 0; sleep 0.05; done
  echo "gave up waiting for: $1" >&2
  return 1
}

# Waits until the launchd stand-in's supervisor has handled every change made
# before the call (to show that one started nothing). It handles changes in
# the order they come, each after the same settling time, and starts the
# runs that fall due at once in the order of their jobs' names; so once a
# new job named to sort last has started the run that a touch of its watched
# file asks for, every earlier change has had its effect.
settled() {
  local id="zz-sentinel-$(date +%s%N)"
  job_plist "$id" "<key>WatchPaths</key><array><string>$WORK/$id</string></array>" /bin/true >"$WORK/$id.plist" &&
    launchctl bootstrap system "$WORK/$id.plist" && touch "$WORK/$id" && wait_for "launchctl print system/$id | grep -q 'runs = [1-9]'"
}

# The Quorvandel server simulator in the background, ready on return.
# Its log of received datagrams is $WORK/sim.jsonl.
start_sim() {
  rm -f "$WORK/sim.ready"
  "$BUILD/tools/quorvandel-sim" --log "$WORK/sim.jsonl" --ready-file "$WORK/sim.ready" "$@" >>"$WORK/sim.out" 2>&1 &
  wait_for '[ -e "$WORK/sim.ready" ]'
}
# Valid discovery queries the simulator received.
sim_queries() { grep -c '"valid_query": *true' "$WORK/sim.jsonl" || true; }

# A real NTP server on a loopback address ($1, default 127.0.0.1); chronyd
# with -x never touches the clock, and the sandbox has taken the right anyway.
start_ntp() {
  local address=${1:-127.0.0.1} dir="$WORK/ntp-${1:-127.0.0.1}"
  mkdir -p "$dir"
  # Clients on loopback send from 127.0.0.1 whatever the server's address.
  printf 'local stratum 8\nallow 127.0.0.0/8\nbindaddress %s\ncmdport 0\npidfile %s/chronyd.pid\n' \
    "$address" "$dir" >"$dir/chrony.conf"
  chronyd -x -d -u root -f "$dir/chrony.conf" >"$dir/log" 2>&1 &
  local hex=$(echo "$address" | awk -F. '{ printf "%02X%02X%02X%02X", $4, $3, $2, $1 }')
  wait_for "grep -q ' $hex:007B ' /proc/net/udp"
}

# A shell script $WORK/NAME that nobody may run (an sntp stand-in, a writer of
# requests): script_file NAME BODY.
script_file() { printf '#!/bin/sh\n%s\n' "$2" >"$WORK/$1" && chmod 755 "$WORK/$1"; }

# The set-the-clock grant for nobody, its line left unchecked (grant-two-users
# checks it): grant.
grant() { as_nobody "$TOOL" allow-set-time --user 65534 >/dev/null; }
# A set-the-clock request, written by nobody as the companion app writes it:
# request FORMAT [ARG...], as printf takes them.
request() { as_user sh -c 'f=$1 && shift && printf "$@" >"$f"' - "$STATE/set-time-request" "$@"; }

# A fault of the launchctl stand-in: fault NAME [CONTENT].
fault() { printf '%s' "${2:-}" >/run/quorvandel-standins/launchd/"$1"; chmod 666 /run/quorvandel-standins/launchd/"$1"; }
launchctl_calls() { cat /run/quorvandel-standins/launchd/calls.log 2>/dev/null || true; }

# A property list as XML, whatever its encoding on disk.
plist() { plistutil -i "$1" -f xml -o - 2>/dev/null || plistutil -i "$1" -o -; }
# Mode and owner: "644 nobody:nogroup".
mode() { stat -c '%a %U:%G' "$@"; }
# Sets a file's modification time to $2 seconds ago (negative: in the future).
age() { touch -d "@$(( $(date +%s) - $2 ))" "$1"; }
# The test root's files, one path a line, relative to it, without the record
# of what a Mac would be asked (mac-calls: "chown 501:0 <path>", ...).
tree() { (cd "$ROOT" && find . -mindepth 1 ! -path ./mac-calls | sed 's|^\./||' | LC_ALL=C sort); }
# What a Mac would have been asked to do to the files whose path ends in $1,
# on one line: "chown root:wheel,chmod 666".
asked() { grep -- "/$1\$" "$ROOT/mac-calls" | uniq | sed 's| Library/.*||' | paste -sd, -; }
# Fails, with Python's complaint, unless standard input is one JSON document.
json_ok() { python3 -c 'import json, sys; json.load(sys.stdin)'; }
# A launchd job property list on standard output: job_plist LABEL KEYS-XML ARG...
job_plist() {
  printf '<plist><dict><key>Label</key><string>%s</string><key>ProgramArguments</key><array>' "$1"
  local keys=$2 && shift 2 && printf '<string>%s</string>' "$@" && printf '</array>%s</dict></plist>\n' "$keys"
}
# The sync job's property list in the test root, nobody's: sync_job KEYS-XML ARG...
SYNC_JOB="$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist"
sync_job() {
  mkdir -p "${SYNC_JOB%/*}" && job_plist com.quorvandel.connect.selftest "$@" >"$SYNC_JOB" && chown -R nobody: "$ROOT/Library"
}
# The lines of the status report's sections whose headings match the extended
# regular expression $1, without the headings, once status --json has given
# one JSON document; status_joined trims them and joins them with ";".
status_lines() {
  as_nobody "$TOOL" status --json | json_ok &&
    as_nobody "$TOOL" status | awk -v want="^== ($1) ==\$" '/^== / { on = $0 ~ want; next } on'
}
status_joined() { status_lines "$1" | sed 's/^ *//' | paste -sd';'; }
# A property list's dictionary on one line, whatever its encoding on disk.
flat() { plist "$1" | sed -n '/^<dict>/,/^<\/dict>/p' | tr -d '\t\n'; echo; }
# The test mode's time settings store holding the dictionary $1, e.g.
# settings_store '<dict><key>timeServer</key><string>10.0.0.5</string></dict>'.
settings_store() { plist_file "$ROOT/system-time-settings.plist" "$1"; }
# A property list file owned by nobody: plist_file PATH DICTIONARY-OR-ARRAY-XML.
plist_file() {
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0">%s</plist>\n' "$2" >"$1" && chown nobody: "$1"
}
# A dictionary of the time settings: server SERVER true|false.
settings() { printf '<dict><key>timeServer</key><string>%s</string><key>usingNetworkTime</key><%s/></dict>' "$1" "$2"; }
# The time server and automatic time of the test mode's store: "SERVER true|false".
settings_now() {
  flat "$ROOT/system-time-settings.plist" | sed -E 's|.*timeServer</key><string>([^<]*)<.*usingNetworkTime</key><([a-z]*)/>.*|\1 \2|'
}

# What a management system sees, on one line: the health and the version
# attributes, then the compliance check's complaint and exit code.
fleet_view() {
  echo $(cd "$WORK" && as_nobody sh health-attribute.sh && as_nobody sh version-attribute.sh; as_nobody sh compliance-check.sh 2>&1; echo $?)
}

# Runs a command as root outside test mode, chrooted into a throwaway copy of
# /: an overlay whose writes land in $WORK (the sandbox's tmpfs) and vanish
# with it. The sandbox's own mounts (stand-ins, /proc, /dev, /run, /var/log)
# and the source and build folders are bound inside.
in_throwaway_root() {
  local top="$WORK/throwaway" dir
  if ! mountpoint -q "$top/root"; then
    mkdir -p "$top/upper" "$top/work" "$top/root"
    mount -t overlay overlay -o "lowerdir=/,upperdir=$top/upper,workdir=$top/work" "$top/root"
    for dir in /proc /dev /usr/bin /usr/sbin /run /var/log "$SRC" "$BUILD"; do
      mkdir -p "$top/root$dir" && mount --rbind "$dir" "$top/root$dir"
    done
  fi
  chroot "$top/root" "$@"
}

# What jq's filters pick out of status --json, as one array on one line:
# status_facts '.health, .consecutiveFailures'.
status_facts() { as_nobody "$TOOL" status --json | jq -c "[$1]"; }
