#! sandbox: --supervise
# The launchd stand-in's supervisor behaves as launchd does for what the
# tool's jobs use (what it models: the header of its launchctl.cpp). Jobs here
# are small shell programs.
% mkdir -m 777 /tmp/s /tmp/s/w

# WatchPaths: creation, a touch, a write, a replacement and a deletion each
# start one run ("+", waited for); another name in the folder and reading
# start none ("-"); the count is checked again once all is handled. The counts
# after the steps are on one line, in the steps' order; the quiet count is
# below.
% job_plist watch '<key>WatchPaths</key><array><string>/tmp/s/w/trigger</string></array>' /bin/true >/tmp/s/watch.plist
+ launchctl bootstrap system /tmp/s/watch.plist && runs() { launchctl print system/watch | sed -n 's/^\truns = //p'; }
+ for step in '- mkdir /tmp/s/w/other' '+ : >/tmp/s/w/trigger' '+ touch /tmp/s/w/trigger' '+ echo x >/tmp/s/w/trigger' \
+   '+ echo y >/tmp/s/new && mv /tmp/s/new /tmp/s/w/trigger' '+ rm /tmp/s/w/trigger' '- cat /tmp/s/w/* 2>/dev/null; ls /tmp/s/w >/dev/null'; do
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
