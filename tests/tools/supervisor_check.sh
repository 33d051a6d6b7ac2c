#!/bin/bash
# Checks the launchctl stand-in's supervisor against launchd's behaviour.
# Runs inside the sandbox, which starts the supervisor:
#   scripts/sandbox --build BUILD --supervise -- tests/tools/supervisor_check.sh
# Prints one line per check and exits 1 when any failed. Everything it makes
# lives in the sandbox's private /tmp and /run.
set -u

W=/tmp/supervise-check
S=/run/quorvandel-standins/launchd
NOBODY="setpriv --reuid 65534 --regid 65534 --clear-groups"
failures=0

check() { # NAME, then a shell test
  if eval "$2"; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}
wait_for() { # shell test, seconds (default 5)
  local i
  for i in $(seq $(( ${2:-5} * 50 ))); do eval "$1" && return 0; sleep 0.02; done
  return 1
}
# job LABEL BODY-XML: a property list for LABEL in $W/LABEL.plist.
job() {
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>Label</key><string>%s</string>%s</dict></plist>\n' \
    "$1" "$2" >"$W/$1.plist"
}
args() {
  local xml="<key>ProgramArguments</key><array>" a
  for a; do xml+="<string>$a</string>"; done
  echo "$xml</array>"
}
field() { # TARGET FIELD: a value of launchctl print
  launchctl print "$1" 2>/dev/null | sed -n "s/^\t$2 = //p"
}
runs() { field "$1" runs; }

[ -e "$S/supervisor.ready" ] || { echo "FAIL - no supervisor (run the sandbox with --supervise)"; exit 1; }
mkdir -p "$W" && chmod 777 "$W"

# Identity, environment and standard files of a gui/<uid> job.
job who "$(args /bin/sh -c 'echo "$(id -u) $(id -g) $(id -G) $(pwd) $(readlink /proc/self/fd/0)"; env | sort | tr "\n" " "; echo; echo to-stderr 1&gt;&amp;2')
  <key>RunAtLoad</key><true/><key>EnvironmentVariables</key><dict><key>FOO</key><string>bar</string></dict>
  <key>StandardOutPath</key><string>$W/who.log</string><key>StandardErrorPath</key><string>$W/who.log</string>"
FROM_SUPERVISOR=leak $NOBODY launchctl bootstrap gui/65534 "$W/who.plist"
wait_for '[ "$(field gui/65534/who "last exit code")" = 0 ]'
check "a gui job runs once at load as its user, in /, with /dev/null as input" \
  '[ "$(sed -n 1p "$W/who.log")" = "65534 65534 65534 / /dev/null" ]'
check "its environment is PATH plus its own variables" \
  '[ "$(sed -n 2p "$W/who.log")" = "FOO=bar PATH=/usr/bin:/bin:/usr/sbin:/sbin PWD=/ " ]'
check "one file for both streams gets both" '[ "$(sed -n 3p "$W/who.log")" = to-stderr ]'
check "print counts the run" '[ "$(runs gui/65534/who)" = 1 ] && [ "$(field gui/65534/who state)" = "not running" ]'

# WatchPaths: every kind of change starts one run; reading starts none.
job watch "$(args /bin/true)<key>WatchPaths</key><array><string>$W/missing/trigger</string></array>"
launchctl bootstrap system "$W/watch.plist"
sleep 0.2
steps=("mkdir $W/missing" ": >$W/missing/trigger" "touch $W/missing/trigger" "echo x >$W/missing/trigger"
  "echo y >$W/new && mv $W/new $W/missing/trigger" "rm $W/missing/trigger" "rm -r $W/missing && mkdir -p $W/missing && : >$W/missing/trigger")
expected=(0 1 2 3 4 5 6)
for i in "${!steps[@]}"; do
  eval "${steps[$i]}"
  wait_for '[ "$(runs system/watch)" -ge '"${expected[$i]}"' ]' 2
  sleep 0.15
  check "after '${steps[$i]}': runs = ${expected[$i]}" '[ "$(runs system/watch)" = '"${expected[$i]}"' ]'
done
cat "$W/missing/trigger"; ls -l "$W/missing/trigger" >/dev/null; sleep 0.15
check "reading the watched file starts nothing" '[ "$(runs system/watch)" = 6 ]'

# One instance at a time; triggers during a run make exactly one more.
job long "$(args /bin/sleep 1.5)<key>WatchPaths</key><array><string>$W/long</string></array>"
launchctl bootstrap system "$W/long.plist"
touch "$W/long"
wait_for '[ "$(field system/long state)" = running ]' 2
check "a running job shows as running with its pid" '[ -n "$(field system/long pid)" ] && [ "$(runs system/long)" = 1 ]'
for i in 1 2 3 4 5; do touch "$W/long"; sleep 0.05; done
wait_for '[ "$(runs system/long)" = 2 ] && [ "$(field system/long state)" = "not running" ]' 6
sleep 0.3
check "five touches during a run make one more run" '[ "$(runs system/long)" = 2 ]'

# Bootout kills a running instance and returns at once.
touch "$W/long"
wait_for '[ "$(field system/long state)" = running ]' 2
pid=$(field system/long pid)
start=$(date +%s%N); launchctl bootout system/long; took=$(( ($(date +%s%N) - start) / 1000000 ))
check "bootout returns at once (${took} ms)" '[ "$took" -lt 500 ]'
check "bootout ends the running instance" 'wait_for "! kill -0 $pid 2>/dev/null" 2'

# StartInterval without RunAtLoad: the first run one interval after load.
job tick "$(args /bin/true)<key>StartInterval</key><integer>1</integer>"
launchctl bootstrap system "$W/tick.plist"
sleep 0.5
check "no run before the first interval" '[ "$(runs system/tick)" = 0 ]'
check "a run after it" 'wait_for "[ \"\$(runs system/tick)\" -ge 1 ]" 2'
launchctl bootout system/tick

# Failures stay with their job.
job bad "$(args /nonexistent/program)<key>RunAtLoad</key><true/>"
job killed "$(args /bin/sh -c 'kill -9 $$')<key>RunAtLoad</key><true/>"
job fine "$(args /bin/sh -c 'exit 3')<key>RunAtLoad</key><true/>"
for label in bad killed fine; do launchctl bootstrap system "$W/$label.plist"; done
wait_for '[ -n "$(field system/fine "last exit code" | tr -d "(a-z )")" ]'
check "a program that cannot start exits 127" '[ "$(field system/bad "last exit code")" = 127 ]'
check "a job ended by a signal shows the signal" '[ "$(field system/killed "last exit code")" = 9 ]'
check "its neighbour runs as usual" '[ "$(field system/fine "last exit code")" = 3 ]'

# A job that boots itself out is ended by its bootout.
job self "$(args /bin/sh -c 'echo $$ &gt;'"$W"'/self.pid; launchctl bootout gui/65534/self; sleep 5')
  <key>RunAtLoad</key><true/>"
$NOBODY launchctl bootstrap gui/65534 "$W/self.plist"
check "a job can boot itself out" 'wait_for "! launchctl print gui/65534/self >/dev/null 2>&1" 3'
check "and is ended by it" 'wait_for "[ -s $W/self.pid ] && ! kill -0 \$(cat $W/self.pid) 2>/dev/null" 3'

# A job folder with a broken property list is passed over.
mkdir "$S/system/.new-broken" && echo 'garbage<' >"$S/system/.new-broken/plist" && echo /x >"$S/system/.new-broken/path"
mv "$S/system/.new-broken" "$S/system/broken"
sleep 0.2
supervisor=$(cat "$S/supervisor.ready")
check "a broken job is ignored" 'kill -0 "$supervisor" && [ ! -e "$S/system/broken/runs" ]'
rm -r "$S/system/broken"

# Idle: no CPU time while jobs are loaded and watched.
cpu() { awk '{print $14 + $15}' "/proc/$supervisor/stat"; }
before=$(cpu); sleep 3; after=$(cpu)
check "idle for 3 s with jobs loaded: $((after - before)) ticks" '[ $((after - before)) -le 1 ]'

for label in who watch bad killed fine; do
  launchctl bootout "$([ $label = who ] && echo gui/65534 || echo system)/$label" 2>/dev/null
done
sleep 0.2
check "nothing left behind in the state tree" '[ -z "$(find "$S" -mindepth 2)" ]'
rm -rf "$W"
[ "$failures" = 0 ]
