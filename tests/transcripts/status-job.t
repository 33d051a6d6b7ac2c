# The first two sections: the sync job as its property list describes it,
# and what launchd says of it (only its "state =" and "run interval" lines),
# their lines without the headings joined by ";". --json parses in every case.
% printf '%s\n' 'mkdir -p "$ROOT/Library/LaunchDaemons" && printf "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>Label</key><string>com.quorvandel.connect.selftest</string>%s</dict></plist>\n" "$1" >"$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist" && chown -R nobody: "$ROOT/Library"' >"$WORK/job"
% printf '%s\n' 'as_nobody "$TOOL" status --json | json_ok && as_nobody "$TOOL" status | sed -n "1,/== time settings before setup ==/p" | sed "/^==/d;s/^ *//" | paste -sd";"' >"$WORK/section"

# Loaded, with an interval that is no whole number of minutes.
% sh "$WORK/job" '<key>ProgramArguments</key><array><string>/bin/true</string><string>sync</string><string>--server</string><string>10.0.0.5</string></array><key>StartInterval</key><integer>61</integer><key>WatchPaths</key><array><string>/tmp/sync-now</string></array>' && as_nobody launchctl bootstrap gui/65534 "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist"; . "$WORK/section"
| syncs with 10.0.0.5 at startup and every 61 seconds;state = not running;run interval = 61 seconds
# Loaded without an interval: the default one; launchd shows no run interval.
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest && sh "$WORK/job" '<key>ProgramArguments</key><array><string>/bin/true</string><string>--server</string><string>ntp.example.net</string><string>--server</string><string>10.0.0.6</string></array>' && as_nobody launchctl bootstrap gui/65534 "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist"; . "$WORK/section"
| syncs with ntp.example.net at startup and every 30 minutes;state = not running

# Property lists that name no server, or are none: not set up.
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest && sh "$WORK/job" '<key>ProgramArguments</key><array><string>/bin/true</string><string>sync</string><string>--server</string></array><key>StartInterval</key><integer>900</integer>'; . "$WORK/section"
| not set up;(not loaded)
% sh "$WORK/job" '<key>ProgramArguments</key><array><string>/bin/true</string><string>--server</string><integer>5</integer></array>'; . "$WORK/section"
| not set up;(not loaded)
% echo 'server=10.0.0.5' >"$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist"; . "$WORK/section"
| not set up;(not loaded)
