#! sandbox: --supervise
# The launchd stand-in's supervisor behaves as launchd does for the keys the
# tool's jobs use. Jobs here are small shell programs.
# job LABEL KEYS-XML ARG...: a property list running the arguments.
% mkdir -m 777 /tmp/s && printf '%s\n' '#!/bin/sh' 'label=$1 keys=$2; shift 2' 'printf "<plist><dict><key>Label</key><string>%s</string><key>ProgramArguments</key><array>" "$label"' 'for a; do printf "<string>%s</string>" "$a"; done' 'printf "</array>%s</dict></plist>\n" "$keys"' >/tmp/s/job && chmod 755 /tmp/s/job

# A gui job runs once at load as its user, in /, with /dev/null as input, with
# PATH plus its own variables, and one file for both streams.
% /tmp/s/job who '<key>RunAtLoad</key><true/><key>EnvironmentVariables</key><dict><key>FOO</key><string>bar</string></dict><key>StandardOutPath</key><string>/tmp/s/who.log</string><key>StandardErrorPath</key><string>/tmp/s/who.log</string>' /bin/sh -c 'echo "$(id -u) $(id -G) $(pwd) $(readlink /proc/self/fd/0)"; env | sort | tr "\n" " "; echo; echo to-stderr >>/proc/self/fd/2' >/tmp/s/who.plist
% FROM_SUPERVISOR=leak setpriv --reuid 65534 --regid 65534 --clear-groups launchctl bootstrap gui/65534 /tmp/s/who.plist && wait_for 'launchctl print gui/65534/who | grep -q "last exit code = 0"' && cat /tmp/s/who.log && launchctl print gui/65534/who | grep -E "state =|runs ="
| 65534 65534 / /dev/null
| FOO=bar PATH=/usr/bin:/bin:/usr/sbin:/sbin PWD=/ 
| to-stderr
| 	state = not running
| 	runs = 1

# WatchPaths: creation, a touch, a write, a replacement and a deletion each
# start one run; reading starts none.
% /tmp/s/job watch '<key>WatchPaths</key><array><string>/tmp/s/w/trigger</string></array>' /bin/true >/tmp/s/watch.plist && launchctl bootstrap system /tmp/s/watch.plist && sleep 0.2
% n=0; for step in 'mkdir /tmp/s/w' ': >/tmp/s/w/trigger' 'touch /tmp/s/w/trigger' 'echo x >/tmp/s/w/trigger' 'echo y >/tmp/s/new && mv /tmp/s/new /tmp/s/w/trigger' 'rm /tmp/s/w/trigger' 'cat /tmp/s/w/* 2>/dev/null; ls /tmp/s/w'; do eval "$step"; sleep 0.3; echo "$(launchctl print system/watch | sed -n 's/^\truns = //p') after $step"; done
| 0 after mkdir /tmp/s/w
| 1 after : >/tmp/s/w/trigger
| 2 after touch /tmp/s/w/trigger
| 3 after echo x >/tmp/s/w/trigger
| 4 after echo y >/tmp/s/new && mv /tmp/s/new /tmp/s/w/trigger
| 5 after rm /tmp/s/w/trigger
| 5 after cat /tmp/s/w/* 2>/dev/null; ls /tmp/s/w

# One instance at a time: five touches during a run make exactly one more.
% /tmp/s/job long '<key>WatchPaths</key><array><string>/tmp/s/long</string></array>' /bin/sleep 1.5 >/tmp/s/long.plist && launchctl bootstrap system /tmp/s/long.plist && touch /tmp/s/long && wait_for 'launchctl print system/long | grep -q "state = running"' && launchctl print system/long | grep -cE "pid = [0-9]+"
| 1
% for i in 1 2 3 4 5; do touch /tmp/s/long; sleep 0.05; done; wait_for 'launchctl print system/long | grep -q "runs = 2"' 6 && wait_for 'launchctl print system/long | grep -q "state = not running"' 6 && sleep 0.3 && launchctl print system/long | grep "runs ="
| 	runs = 2

# bootout returns at once and ends the running instance.
% touch /tmp/s/long && wait_for 'launchctl print system/long | grep -q "state = running"' && pid=$(launchctl print system/long | sed -n 's/^\tpid = //p') && start=$(date +%s%N) && launchctl bootout system/long && [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 500 ] && wait_for "! kill -0 $pid 2>/dev/null" 2 && echo ended
| ended

# StartInterval without RunAtLoad: the first run one interval after load.
% /tmp/s/job tick '<key>StartInterval</key><integer>1</integer>' /bin/true >/tmp/s/tick.plist && launchctl bootstrap system /tmp/s/tick.plist && sleep 0.5 && launchctl print system/tick | grep "runs =" && wait_for 'launchctl print system/tick | grep -q "runs = [1-9]"' 2 && echo "ran after a second"
| 	runs = 0
| ran after a second

# Failures stay with their job: a program that cannot start, one killed by a
# signal, and a neighbour exiting 3.
% /tmp/s/job bad '<key>RunAtLoad</key><true/>' /nonexistent >/tmp/s/bad.plist; /tmp/s/job killed '<key>RunAtLoad</key><true/>' /bin/sh -c 'kill -9 $$' >/tmp/s/killed.plist; /tmp/s/job fine '<key>RunAtLoad</key><true/>' /bin/sh -c 'exit 3' >/tmp/s/fine.plist; for j in bad killed fine; do launchctl bootstrap system /tmp/s/$j.plist; done; wait_for 'launchctl print system/fine | grep -q "last exit code = 3"'; for j in bad killed fine; do launchctl print system/$j | grep "last exit code"; done
| 	last exit code = 127
| 	last exit code = 9
| 	last exit code = 3

# A job that boots itself out is ended by it.
% /tmp/s/job self '<key>RunAtLoad</key><true/>' /bin/sh -c 'echo $$ >/tmp/s/self.pid; launchctl bootout gui/65534/self; sleep 5' >/tmp/s/self.plist && setpriv --reuid 65534 --regid 65534 --clear-groups launchctl bootstrap gui/65534 /tmp/s/self.plist && wait_for '! launchctl print gui/65534/self >/dev/null 2>&1' 3 && wait_for '[ -s /tmp/s/self.pid ] && ! kill -0 $(cat /tmp/s/self.pid) 2>/dev/null' 3 && echo ended
| ended

# A broken job is passed over; idle, the supervisor uses no CPU.
% S=/run/quorvandel-standins/launchd; mkdir $S/system/.b && echo 'garbage<' >$S/system/.b/plist && echo /x >$S/system/.b/path && mv $S/system/.b $S/system/broken && sleep 0.2 && p=$(cat $S/supervisor.ready) && kill -0 $p && [ ! -e $S/system/broken/runs ] && rm -r $S/system/broken && cpu() { awk '{print $14 + $15}' /proc/$p/stat; } && before=$(cpu) && sleep 3 && [ $(( $(cpu) - before )) -le 1 ] && echo "alive, idle"
| alive, idle
