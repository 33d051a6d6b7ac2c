#! sandbox: --supervise
# The launchd stand-in's supervisor behaves as launchd does for the keys the
# tool's jobs use. Jobs here are small shell programs.
% mkdir -m 777 /tmp/s

# A gui job runs once at load as its user, in /, with /dev/null as input, with
# PATH plus its own variables, and one file for both streams.
% k='<key>RunAtLoad</key><true/><key>EnvironmentVariables</key><dict><key>FOO</key><string>bar</string></dict>'
+ k="$k<key>StandardOutPath</key><string>/tmp/s/who.log</string><key>StandardErrorPath</key><string>/tmp/s/who.log</string>"
+ job_plist who "$k" \
+ /bin/sh -c 'echo "$(id -u) $(id -G) $(pwd) $(readlink /proc/self/fd/0)"; env | sort | tr "\n" " "; echo; echo to-stderr >>/proc/self/fd/2' >/tmp/s/who.plist
% FROM_SUPERVISOR=leak setpriv --reuid 65534 --regid 65534 --clear-groups launchctl bootstrap gui/65534 /tmp/s/who.plist
+ wait_for 'launchctl print gui/65534/who | grep -q "last exit code = 0"' && cat /tmp/s/who.log && launchctl print gui/65534/who | grep -E "state =|runs ="
| 65534 65534 / /dev/null
| FOO=bar PATH=/usr/bin:/bin:/usr/sbin:/sbin PWD=/ 
| to-stderr
| 	state = not running
| 	runs = 1

# WatchPaths: creation, a touch, a write, a replacement and a deletion each
# start one run ("+", waited for); making the folder and reading start none
# ("-"); the count is checked again once all is handled. The counts after the
# steps are on one line, in the steps' order; the quiet count is below.
% job_plist watch '<key>WatchPaths</key><array><string>/tmp/s/w/trigger</string></array>' /bin/true >/tmp/s/watch.plist
+ launchctl bootstrap system /tmp/s/watch.plist && runs() { launchctl print system/watch | sed -n 's/^\truns = //p'; }
+ for step in '- mkdir /tmp/s/w' '+ : >/tmp/s/w/trigger' '+ touch /tmp/s/w/trigger' '+ echo x >/tmp/s/w/trigger' \
+   '+ echo y >/tmp/s/new && mv /tmp/s/new /tmp/s/w/trigger' '+ rm /tmp/s/w/trigger' '- cat /tmp/s/w/* 2>/dev/null; ls /tmp/s/w'; do
+   n=$(runs); eval "${step#? }"; case $step in +*) wait_for "[ \$(runs) != $n ]";; *) settled;; esac
+   runs; done | paste -sd' '; settled; runs
| 0 1 2 3 4 5 5
| 5

# One instance at a time: five touches during a run make exactly one more.
# The job runs until it is let go (/tmp/s/go).
% job_plist long '<key>WatchPaths</key><array><string>/tmp/s/long</string></array>' \
+   /bin/sh -c 'until [ -e /tmp/s/go ]; do sleep 0.05; done; rm /tmp/s/go' >/tmp/s/long.plist
+ launchctl bootstrap system /tmp/s/long.plist && touch /tmp/s/long && state() { launchctl print system/long | grep -q "$1"; }
+ wait_for 'state "state = running"' && launchctl print system/long | grep -cE "pid = [0-9]+"
| 1
% state() { launchctl print system/long | grep -q "$1"; }; for i in 1 2 3 4 5; do touch /tmp/s/long; done
+ settled && touch /tmp/s/go && wait_for 'state "runs = 2"' && touch /tmp/s/go && wait_for 'state "state = not running"'
+ settled && launchctl print system/long | grep "runs ="
| 	runs = 2

# bootout returns while the instance runs, and ends it.
% touch /tmp/s/long && wait_for 'launchctl print system/long | grep -q "state = running"'
+ pid=$(launchctl print system/long | sed -n 's/^\tpid = //p') && timeout 10 launchctl bootout system/long
+ wait_for "! kill -0 $pid 2>/dev/null"

# StartInterval without RunAtLoad: the first run one interval after load
# (bootstrap returns once the job is loaded, when RunAtLoad would have run).
% job_plist tick '<key>StartInterval</key><integer>3</integer>' /bin/true >/tmp/s/tick.plist
+ launchctl bootstrap system /tmp/s/tick.plist && launchctl print system/tick | grep "runs =" && wait_for 'launchctl print system/tick | grep -q "runs = [1-9]"'
| 	runs = 0

# Failures stay with their job: a program that cannot start, one killed by a
# signal, and a neighbour exiting 3.
% job_plist bad '<key>RunAtLoad</key><true/>' /nonexistent >/tmp/s/bad.plist
+ job_plist killed '<key>RunAtLoad</key><true/>' /bin/sh -c 'kill -9 $$' >/tmp/s/killed.plist
+ job_plist fine '<key>RunAtLoad</key><true/>' /bin/sh -c 'exit 3' >/tmp/s/fine.plist
+ for j in bad killed fine; do launchctl bootstrap system /tmp/s/$j.plist; done
+ for j in bad killed fine; do wait_for "launchctl print system/$j | grep -q 'exit code = [0-9]'" && launchctl print system/$j | grep "last exit code"; done |
+ paste -sd' '
| 	last exit code = 127 	last exit code = 9 	last exit code = 3

# A job that boots itself out is ended by it.
% job_plist self '<key>RunAtLoad</key><true/>' /bin/sh -c 'echo $$ >/tmp/s/self.pid; launchctl bootout gui/65534/self; sleep 60' >/tmp/s/self.plist
+ setpriv --reuid 65534 --regid 65534 --clear-groups launchctl bootstrap gui/65534 /tmp/s/self.plist
+ wait_for '! launchctl print gui/65534/self >/dev/null 2>&1'
+ wait_for '[ -s /tmp/s/self.pid ] && ! kill -0 $(cat /tmp/s/self.pid) 2>/dev/null'

# A broken job is passed over. With no timed job left, the idle supervisor
# sleeps: over two seconds it neither wakes nor runs. Counted in its own
# wakeups and CPU ticks, which other load on the machine cannot add to.
% launchctl bootout system/tick && S=/run/quorvandel-standins/launchd && mkdir $S/system/.b
+ echo 'garbage<' >$S/system/.b/plist && echo /x >$S/system/.b/path && mv $S/system/.b $S/system/broken && settled
+ kill -0 $(cat $S/supervisor.ready) && [ ! -e $S/system/broken/runs ] && rm -r $S/system/broken
% p=$(cat /run/quorvandel-standins/launchd/supervisor.ready) && settled && a=$(idle_counts $p) && sleep 2
+ echo "$a $(idle_counts $p)" | awk '{ print ($3 - $1 <= 2 && $4 - $2 <= 5) ? "idle" : "busy: " $0 }'
| idle
