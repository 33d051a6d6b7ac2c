# A Mac that took its time from 10.0.0.5 with automatic time off goes through
# the whole life of a setup against real NTP servers: install, status, a
# second install with another server, remove, and a remove with nothing left.
% start_ntp
# A second server on 127.0.0.2. start_ntp would allow only clients from that
# very address, and queries to it leave from 127.0.0.1.
% d="$WORK/ntp2" && mkdir -p "$d" && printf 'local stratum 8\nallow 127.0.0.0/8\nbindaddress 127.0.0.2\ncmdport 0\npidfile %s/chronyd.pid\n' "$d" >"$d/chrony.conf" && { chronyd -x -d -u root -f "$d/chrony.conf" >"$d/log" 2>&1 & } && wait_for "grep -q ' 0200007F:007B ' /proc/net/udp"
= QUORVANDEL_CONNECT_TEST_SNTP=/usr/bin/sntp
# flat FILE: a property list's dictionary on one line.
% printf '%s\n' 'plistutil -i "$1" -f xml -o - | sed -n "/^<dict>/,/^<\/dict>/p" | tr -d "\t\n"; echo' >"$WORK/flat"
% printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict></plist>\n' >"$ROOT/system-time-settings.plist" && chown nobody: "$ROOT/system-time-settings.plist"
% mkdir -p "$ROOT/usr/local/sbin" && echo old >"$ROOT/usr/local/sbin/quorvandel-connect" && chown -R nobody: "$ROOT/usr"

$ install --server 127.0.0.1 --name "Lab clock" --interval 900
| Setting up Quorvandel Connect -> "Lab clock" (127.0.0.1), every 15 minutes
| Setting the clock from 127.0.0.1 now...
| {time} quorvandel-connect: sync against 127.0.0.1 (exit 0)
| {*} 127.0.0.1 {*}
| Done. This Mac syncs with "Lab clock" (127.0.0.1) at startup and every 15 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
# The older install location is gone; the log folder waits for the job.
% tree
| Library
| Library/Application Support
| Library/Application Support/Quorvandel Connect
| Library/Application Support/Quorvandel Connect/before-setup.plist
| Library/Application Support/Quorvandel Connect/last-sync
| Library/Application Support/Quorvandel Connect/sync-now
| Library/LaunchDaemons
| Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| Library/PrivilegedHelperTools
| Library/PrivilegedHelperTools/com.quorvandel.connect
| system-time-settings.plist
| usr
| usr/local
| usr/local/sbin
| var
| var/log
% cd "$STATE" && mode . sync-now last-sync && wc -c <sync-now
| 755 nobody:nogroup
| 666 nobody:nogroup
| 644 nobody:nogroup
| 0
% cmp "$TOOL" "$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect" && mode "$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect"
| 755 nobody:nogroup
# The settings from before setup, and the ones install made.
% sh "$WORK/flat" "$STATE/before-setup.plist"; sh "$WORK/flat" "$ROOT/system-time-settings.plist"
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| <dict><key>timeServer</key><string>127.0.0.1</string><key>usingNetworkTime</key><true/></dict>
# The job, as XML on disk, with the test environment passed on.
% F="$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist"; head -c 5 "$F"; echo; mode "$F"; plist "$F"
| <?xml
| 644 nobody:nogroup
| <?xml version="1.0" encoding="UTF-8"?>
| <!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
| <plist version="1.0">
| <dict>
| 	<key>EnvironmentVariables</key>
| 	<dict>
| 		<key>QUORVANDEL_CONNECT_TEST_ROOT</key>
| 		<string>{root}</string>
| 		<key>QUORVANDEL_CONNECT_TEST_SNTP</key>
| 		<string>/usr/bin/sntp</string>
| 	</dict>
| 	<key>Label</key>
| 	<string>com.quorvandel.connect.selftest</string>
| 	<key>ProgramArguments</key>
| 	<array>
| 		<string>{root}/Library/PrivilegedHelperTools/com.quorvandel.connect</string>
| 		<string>sync</string>
| 		<string>--server</string>
| 		<string>127.0.0.1</string>
| 	</array>
| 	<key>RunAtLoad</key>
| 	<true/>
| 	<key>StandardErrorPath</key>
| 	<string>{root}/var/log/quorvandel-connect.log</string>
| 	<key>StandardOutPath</key>
| 	<string>{root}/var/log/quorvandel-connect.log</string>
| 	<key>StartInterval</key>
| 	<integer>900</integer>
| 	<key>WatchPaths</key>
| 	<array>
| 		<string>{root}/Library/Application Support/Quorvandel Connect/sync-now</string>
| 	</array>
| </dict>
| </plist>
% launchctl_calls
| bootout gui/65534/com.quorvandel.connect.selftest
| print gui/65534/com.quorvandel.connect.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| print gui/65534/com.quorvandel.connect.selftest

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
# The last sync shown is the one recorded.
% [ "$(as_nobody "$TOOL" status | sed -n '/== last sync ==/{n;p}')" = "  $(date -u -d @"$(cat "$STATE/last-sync")" +%Y-%m-%dT%H:%M:%SZ)" ] && echo same
| same
# A log the job has written to: only its last 12 non-empty lines, unchanged.
% { printf 'event %d\n\n' $(seq 29); printf '\t indented last\n'; } >"$LOG" && cp "$LOG" "$WORK/log.copy"
% as_nobody "$TOOL" status | sed -n '/== last log lines ==/,$p'
| == last log lines ==
|   event 19
|   event 20
|   event 21
|   event 22
|   event 23
|   event 24
|   event 25
|   event 26
|   event 27
|   event 28
|   event 29
|   	 indented last

# Setting up again with another server rewrites and reloads the job but
# keeps the record of the settings from before the first setup.
% : >/run/quorvandel-standins/launchd/calls.log
$ install --server 127.0.0.2
| Setting up Quorvandel Connect -> 127.0.0.2, every 30 minutes
| Setting the clock from 127.0.0.2 now...
| {time} quorvandel-connect: sync against 127.0.0.2 (exit 0)
| {*} 127.0.0.2 {*}
| Done. This Mac syncs with 127.0.0.2 at startup and every 30 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
% sh "$WORK/flat" "$STATE/before-setup.plist"; sh "$WORK/flat" "$ROOT/system-time-settings.plist"
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| <dict><key>timeServer</key><string>127.0.0.2</string><key>usingNetworkTime</key><true/></dict>
% launchctl_calls
| bootout gui/65534/com.quorvandel.connect.selftest
| print gui/65534/com.quorvandel.connect.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| print gui/65534/com.quorvandel.connect.selftest
% as_nobody "$TOOL" status | sed -n '1,5p'
| == this Mac ==
|   syncs with 127.0.0.2 at startup and every 30 minutes
| == launchd service ==
|   state = not running
|   run interval = 1800 seconds

# Remove puts the first record back and leaves only the log.
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to 10.0.0.5 (what this Mac had before setup).
% sh "$WORK/flat" "$ROOT/system-time-settings.plist"
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
% tree; cmp "$LOG" "$WORK/log.copy" && echo log kept
| Library
| Library/Application Support
| Library/LaunchDaemons
| Library/PrivilegedHelperTools
| system-time-settings.plist
| usr
| usr/local
| usr/local/sbin
| var
| var/log
| var/log/quorvandel-connect.log
| log kept
$ status
| == this Mac ==
|   not set up
| == launchd service ==
|   (not loaded)
| == time settings before setup ==
|   (no record)
| == last sync ==
|   (none recorded)
| == without a password ==
|   sync now: no (set up again to add it)
|   set the clock: nobody
| == configured time server ==
|   10.0.0.5
| == last log lines ==
|   event 19
|   event 20
|   event 21
|   event 22
|   event 23
|   event 24
|   event 25
|   event 26
|   event 27
|   event 28
|   event 29
|   	 indented last
$ remove
| Quorvandel Connect is not set up on this Mac. Nothing was changed.
$ uninstall
| Quorvandel Connect is not set up on this Mac. Nothing was changed.
% sh "$WORK/flat" "$ROOT/system-time-settings.plist"; tree | wc -l
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
| 11
