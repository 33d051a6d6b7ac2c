# How install names the server and the interval, what it saves of settings
# it can only partly read, and how it restores the sync-now file.
% sntp_script sntp-ok 'exit 0'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp-ok

# No settings can be read: nothing is saved. An empty name is still a name.
# Set up again: the job's file is there, so the settings install made are not
# taken for the Mac's own.
% i() { as_nobody "$TOOL" install "$@" | sed -n '1p;/^Done/p'; }; i --server 10.0.0.5 --name "" --interval 60; ls "$STATE"
+ i --server 10.0.0.5; ls "$STATE"; as_nobody "$TOOL" remove >/dev/null
| Setting up Quorvandel Connect -> "" (10.0.0.5), every 1 minute
| Done. This Mac syncs with "" (10.0.0.5) at startup and every 1 minute.
| last-sync
| sync-now
| Setting up Quorvandel Connect -> 10.0.0.5, every 30 minutes
| Done. This Mac syncs with 10.0.0.5 at startup and every 30 minutes.
| last-sync
| sync-now

# Only automatic time can be read: only it is saved. The name goes in as it is.
% settings_store '<dict><key>timeServer</key><integer>7</integer><key>usingNetworkTime</key><true/></dict>'
$ install --server 10.0.0.6 --name 'Lab "B" — 2' --interval 90
| Setting up Quorvandel Connect -> "Lab "B" — 2" (10.0.0.6), every 90 seconds
| Setting the clock from 10.0.0.6 now...
| {time} quorvandel-connect: sync against 10.0.0.6 (exit 0)
| Done. This Mac syncs with "Lab "B" — 2" (10.0.0.6) at startup and every 90 seconds.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% flat "$STATE/before-setup.plist"
| <dict><key>usingNetworkTime</key><true/></dict>

# A sync-now file with other permissions gets 666 again; a deleted one comes back.
% i() { as_nobody "$TOOL" install "$@" | sed -n '1p'; }; chmod 600 "$STATE/sync-now"; i --server 10.0.0.6 --interval 30
+ mode "$STATE/sync-now"; rm "$STATE/sync-now"; i --server 10.0.0.6 --interval 3600; mode "$STATE/sync-now"; wc -c <"$STATE/sync-now"
| Setting up Quorvandel Connect -> 10.0.0.6, every 1 minute
| 666 nobody:nogroup
| Setting up Quorvandel Connect -> 10.0.0.6, every 60 minutes
| 666 nobody:nogroup
| 0
% grep -A1 StartInterval "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist"; flat "$STATE/before-setup.plist"
| 	<key>StartInterval</key>
| 	<integer>3600</integer>
| <dict><key>usingNetworkTime</key><true/></dict>
