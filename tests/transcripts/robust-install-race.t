# Two installs at once, with no lock: each ends with its own lines and exit
# code, and every file left is whole and written by one of them.
= QUORVANDEL_CONNECT_TEST_SNTP=/tmp/slow-sntp
# The Mac's settings can be read, so whichever install saves them first leaves a record.
% settings_store "$(settings 10.0.0.9 true)"
% printf '#!/bin/sh\nsleep 0.2\necho "sntp: answered by $1"\n' >/tmp/slow-sntp && chmod 755 /tmp/slow-sntp
% as_nobody "$TOOL" install --server 127.0.0.1 >"$WORK/a" 2>&1 & as_nobody "$TOOL" install --server 127.0.0.2 >"$WORK/b" 2>&1 & wait; for r in a b; do grep -v 'sync against' "$WORK/$r"; done
| Setting up Quorvandel Connect -> 127.0.0.1, every 30 minutes
| Setting the clock from 127.0.0.1 now...
| sntp: answered by 127.0.0.1
| Done. This Mac syncs with 127.0.0.1 at startup and every 30 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
| Setting up Quorvandel Connect -> 127.0.0.2, every 30 minutes
| Setting the clock from 127.0.0.2 now...
| sntp: answered by 127.0.0.2
| Done. This Mac syncs with 127.0.0.2 at startup and every 30 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% plist "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist" | grep -A1 -- '--server' | tail -1 | grep -cE '<string>127\.0\.0\.[12]</string>'; grep -cxE '[0-9]+' "$STATE/last-sync"; cmp -s "$TOOL" "$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect" && echo "installed copy whole"; ls -A "$STATE" "$ROOT/Library/LaunchDaemons" "$ROOT/Library/PrivilegedHelperTools"
| 1
| 1
| installed copy whole
| {root}/Library/Application Support/Quorvandel Connect:
| before-setup.plist
| last-sync
| sync-now
|
| {root}/Library/LaunchDaemons:
| com.quorvandel.connect.selftest.plist
|
| {root}/Library/PrivilegedHelperTools:
| com.quorvandel.connect
# Which server each file names depends on the interleaving: without a lock the
# second run may even save the first one's server as the setting from before.
$ status
| == this Mac ==
|   syncs with {*} at startup and every 30 minutes
| == launchd service ==
|   state = not running
|   run interval = 1800 seconds
| == time settings before setup ==
|   time server: {*}
|   set time automatically: on
| == last sync ==
|   {time}
| == without a password ==
|   sync now: yes
|   set the clock: nobody
| == configured time server ==
|   127.0.0.{n}
| == last log lines ==
|   (no log yet)
