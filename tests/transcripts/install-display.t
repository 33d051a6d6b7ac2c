# How install names the server and the interval, what it saves of settings
# it can only partly read, and how it restores the sync-now file.
% sntp_script sntp-ok 'exit 0'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp-ok

# No settings can be read: nothing is saved. An empty name is still a name.
$ install --server 10.0.0.5 --name "" --interval 60
| Setting up Quorvandel Connect -> "" (10.0.0.5), every 1 minute
| Setting the clock from 10.0.0.5 now...
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 0)
| Done. This Mac syncs with "" (10.0.0.5) at startup and every 1 minute.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% ls "$STATE"
| last-sync
| sync-now
# Set up again: the job's file is there, so the settings install made are not
# taken for the Mac's own.
$ install --server 10.0.0.5
| Setting up Quorvandel Connect -> 10.0.0.5, every 30 minutes
| Setting the clock from 10.0.0.5 now...
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 0)
| Done. This Mac syncs with 10.0.0.5 at startup and every 30 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% ls "$STATE"
| last-sync
| sync-now
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).

# Only automatic time can be read: only it is saved. The name goes in as it is.
% printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>timeServer</key><integer>7</integer><key>usingNetworkTime</key><true/></dict></plist>\n' >"$ROOT/system-time-settings.plist" && chown nobody: "$ROOT/system-time-settings.plist"
$ install --server 10.0.0.6 --name 'Lab "B" — 2' --interval 90
| Setting up Quorvandel Connect -> "Lab "B" — 2" (10.0.0.6), every 90 seconds
| Setting the clock from 10.0.0.6 now...
| {time} quorvandel-connect: sync against 10.0.0.6 (exit 0)
| Done. This Mac syncs with "Lab "B" — 2" (10.0.0.6) at startup and every 90 seconds.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% plist "$STATE/before-setup.plist" | sed -n '/^<dict>/,/^<\/dict>/p' | tr -d '\t\n'; echo
| <dict><key>usingNetworkTime</key><true/></dict>

# A sync-now file with other permissions gets 666 again; a deleted one comes back.
% chmod 600 "$STATE/sync-now"
$ install --server 10.0.0.6 --interval 30
| Setting up Quorvandel Connect -> 10.0.0.6, every 1 minute
| Setting the clock from 10.0.0.6 now...
| {time} quorvandel-connect: sync against 10.0.0.6 (exit 0)
| Done. This Mac syncs with 10.0.0.6 at startup and every 1 minute.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% mode "$STATE/sync-now"; rm "$STATE/sync-now"
| 666 nobody:nogroup
$ install --server 10.0.0.6 --interval 3600
| Setting up Quorvandel Connect -> 10.0.0.6, every 60 minutes
| Setting the clock from 10.0.0.6 now...
| {time} quorvandel-connect: sync against 10.0.0.6 (exit 0)
| Done. This Mac syncs with 10.0.0.6 at startup and every 60 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% mode "$STATE/sync-now"; wc -c <"$STATE/sync-now"
| 666 nobody:nogroup
| 0
% plist "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist" | grep -A1 StartInterval; plist "$STATE/before-setup.plist" | sed -n '/^<dict>/,/^<\/dict>/p' | tr -d '\t\n'; echo
| 	<key>StartInterval</key>
| 	<integer>3600</integer>
| <dict><key>usingNetworkTime</key><true/></dict>
