# The first two sections: the sync job as its property list describes it,
# and what launchd says of it (only its "state =" and "run interval" lines),
# their lines without the headings joined by ";". --json parses in every case.

# Loaded, with an interval that is no whole number of minutes.
% sync_job '<key>StartInterval</key><integer>61</integer><key>WatchPaths</key><array><string>/tmp/sync-now</string></array>' \
+   /bin/true sync --server 10.0.0.5 && as_nobody launchctl bootstrap gui/65534 "$SYNC_JOB"; status_joined 'this Mac|launchd service'
| syncs with 10.0.0.5 at startup and every 61 seconds;state = not running;run interval = 61 seconds
# Loaded without an interval: the default one; launchd shows no run interval.
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest && sync_job '' /bin/true --server ntp.example.net --server 10.0.0.6 &&
+   as_nobody launchctl bootstrap gui/65534 "$SYNC_JOB"; status_joined 'this Mac|launchd service'
| syncs with ntp.example.net at startup and every 30 minutes;state = not running

# Property lists that name no server, or are none: not set up.
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest && sync_job '<key>StartInterval</key><integer>900</integer>' \
+   /bin/true sync --server; status_joined 'this Mac|launchd service'
| not set up;(not loaded)
% sync_job '' /bin/true --server 5 && sed -i 's|<string>5</string>|<integer>5</integer>|' "$SYNC_JOB"; status_joined 'this Mac|launchd service'
| not set up;(not loaded)
% echo 'server=10.0.0.5' >"$SYNC_JOB"; status_joined 'this Mac|launchd service'
| not set up;(not loaded)
