# A Mac that took its time from 10.0.0.5 with automatic time off goes through
# the whole life of a setup against real NTP servers: install, status, a
# second install with another server, and remove.
% start_ntp
% start_ntp 127.0.0.2
= QUORVANDEL_CONNECT_TEST_SNTP=/usr/bin/sntp
% settings_store "$(settings 10.0.0.5 false)"
% mkdir -p "$ROOT/usr/local/sbin" && echo old >"$ROOT/usr/local/sbin/quorvandel-connect" && chown -R nobody: "$ROOT/usr"

$ install --server 127.0.0.1 --name "Lab clock" --interval 900
| Setting up Quorvandel Connect -> "Lab clock" (127.0.0.1), every 15 minutes
| Setting the clock from 127.0.0.1 now...
| {time} quorvandel-connect: sync against 127.0.0.1 (exit 0)
| {*} 127.0.0.1 {*}
| Done. This Mac syncs with "Lab clock" (127.0.0.1) at startup and every 15 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
# The older install location is gone; the log folder waits for the job;
# nothing else was made (the tree after remove: remove-what-is-left.t).
% tree | wc -l; find "$ROOT/usr" "$ROOT/var" ! -type d
| 17
# The state folder; what a Mac would be asked for the installed copy, the
# sync-now trigger anyone may touch and the job list (in test mode they stay
# the caller's; the record's mode: sync-record.t; the trigger: install-display.t).
% mode "$STATE"; asked com.quorvandel.connect; asked sync-now; asked com.quorvandel.connect.selftest.plist
| 755 nobody:nogroup
| chown root:wheel,chmod 755,xattr -dr com.apple.quarantine
| chown root:wheel,chmod 666
| chown root:wheel,chmod 644
# The settings from before setup, and the ones install made.
% flat "$STATE/before-setup.plist"; flat "$ROOT/system-time-settings.plist"
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| <dict><key>timeServer</key><string>127.0.0.1</string><key>usingNetworkTime</key><true/></dict>

$ status
| == this Mac ==
|   syncs with 127.0.0.1 at startup and every 15 minutes
| == launchd service ==
|   state = not running
|   run interval = 900 seconds
| == time settings before setup ==
|   time server: 10.0.0.5
|   set time automatically: off
| == last sync ==
|   {time}
| == without a password ==
|   sync now: yes
|   set the clock: nobody
| == configured time server ==
|   127.0.0.1
| == last log lines ==
|   (no log yet)
# (How the record and the log's tail are shown: sync-record.t, status-log.t.)

# Setting up again with another server rewrites and reloads the job but
# keeps the record of the settings from before the first setup.
% as_nobody "$TOOL" install --server 127.0.0.2 | tail -1
| quorvandel-connect-result: synced
% flat "$STATE/before-setup.plist"; flat "$ROOT/system-time-settings.plist"
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| <dict><key>timeServer</key><string>127.0.0.2</string><key>usingNetworkTime</key><true/></dict>
% as_nobody "$TOOL" status | sed -n '2p;5p'
|   syncs with 127.0.0.2 at startup and every 30 minutes
|   run interval = 1800 seconds

# Remove puts the first record back (the settings it makes of it:
# remove-saved-settings.t; what is left: remove-what-is-left.t).
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to 10.0.0.5 (what this Mac had before setup).
