# A job that launchd will not load ends install with an error and code 1,
# before the first sync and without a result line; what was written stays,
# and the next install keeps the settings saved by this one.
% sntp_script sntp-ok 'echo "$1 answered"'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp-ok
% printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict></plist>\n' >"$ROOT/system-time-settings.plist" && chown nobody: "$ROOT/system-time-settings.plist"
% mkdir -p "$ROOT/usr/local/sbin" && touch "$ROOT/usr/local/sbin/quorvandel-connect" && chown -R nobody: "$ROOT/usr"
% fault fail-bootstrap
$ install --server 10.0.0.6 --name "Lab clock"
| Setting up Quorvandel Connect -> "Lab clock" (10.0.0.6), every 30 minutes
! error: the background job did not load (Bootstrap failed: 5: Input/output error). Its files are in place, so it starts at the next restart; run setup again to load it now.
? 1
% launchctl_calls
| bootout gui/65534/com.quorvandel.connect.selftest
| print gui/65534/com.quorvandel.connect.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| print gui/65534/com.quorvandel.connect.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| print gui/65534/com.quorvandel.connect.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| print gui/65534/com.quorvandel.connect.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| print gui/65534/com.quorvandel.connect.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| print gui/65534/com.quorvandel.connect.selftest
# No sync was tried and the older install location was not reached.
% tree
| Library
| Library/Application Support
| Library/Application Support/Quorvandel Connect
| Library/Application Support/Quorvandel Connect/before-setup.plist
| Library/Application Support/Quorvandel Connect/sync-now
| Library/LaunchDaemons
| Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| Library/PrivilegedHelperTools
| Library/PrivilegedHelperTools/com.quorvandel.connect
| system-time-settings.plist
| usr
| usr/local
| usr/local/sbin
| usr/local/sbin/quorvandel-connect
| var
| var/log
% for f in "$STATE/before-setup.plist" "$ROOT/system-time-settings.plist"; do plist "$f" | sed -n '/^<dict>/,/^<\/dict>/p' | tr -d '\t\n'; echo; done
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| <dict><key>timeServer</key><string>10.0.0.6</string><key>usingNetworkTime</key><true/></dict>
% as_nobody "$TOOL" status | sed -n '1,4p'
| == this Mac ==
|   syncs with 10.0.0.6 at startup and every 30 minutes
| == launchd service ==
|   (not loaded)

# Set up again once launchd is willing: the record from before the first
# attempt is kept.
% rm /run/quorvandel-standins/launchd/fail-bootstrap
$ install --server 10.0.0.6 --name "Lab clock"
| Setting up Quorvandel Connect -> "Lab clock" (10.0.0.6), every 30 minutes
| Setting the clock from 10.0.0.6 now...
| {time} quorvandel-connect: sync against 10.0.0.6 (exit 0)
| 10.0.0.6 answered
| Done. This Mac syncs with "Lab clock" (10.0.0.6) at startup and every 30 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% plist "$STATE/before-setup.plist" | sed -n '/^<dict>/,/^<\/dict>/p' | tr -d '\t\n'; echo; ls "$ROOT/usr/local/sbin" | wc -l
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| 0
