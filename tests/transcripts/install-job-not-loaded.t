# A job that launchd will not load ends install with an error and code 1,
# before the first sync and without a result line; what was written stays,
# and the next install keeps the settings saved by this one.
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% settings_store "$(settings 10.0.0.5 false)"
% mkdir -p "$ROOT/usr/local/sbin" && touch "$ROOT/usr/local/sbin/quorvandel-connect" && chown -R nobody: "$ROOT/usr"
% fault fail-bootstrap
$ install --server 10.0.0.6 --name "Lab clock"
| Setting up Quorvandel Connect -> "Lab clock" (10.0.0.6), every 30 minutes
! error: the background job did not load (Bootstrap failed: 5: Input/output error). Its files are in place, so it starts at the next restart; run setup again to load it now.
? 1
# The job's file stays; no sync was tried and the older install location
# was not reached (how launchd was asked: jobs-bootstrap.t).
% tree | grep -E 'sync|sbin/|Daemons/'
| Library/Application Support/Quorvandel Connect/sync-now
| Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| usr/local/sbin/quorvandel-connect
% flat "$STATE/before-setup.plist"; settings_now
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| 10.0.0.6 true

# Set up again once launchd is willing: the record from before the first
# attempt is kept.
% rm /run/quorvandel-standins/launchd/fail-bootstrap
% as_nobody "$TOOL" install --server 10.0.0.6 --name "Lab clock" | tail -1; flat "$STATE/before-setup.plist"; ls "$ROOT/usr/local/sbin" | wc -l
| quorvandel-connect-result: synced
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| 0
