# The first two sections: the sync job as its property list describes it,
# and what launchd says of it (only its "state =" and "run interval" lines),
# their lines without the headings joined by ";". --json parses in every case.
% printf '%s\n' 'L=com.quorvandel.connect.selftest; P="$ROOT/Library/LaunchDaemons/$L.plist"; job() { job_plist $L "$@" >"$P" && chown nobody: "$P"; }' \
+   'section() { as_nobody "$TOOL" status --json | json_ok && as_nobody "$TOOL" status | sed -n "/before setup ==/q;/^==/!s/^ *//p" | paste -sd";"; }' \
+   'load() { as_nobody launchctl bootstrap gui/65534 "$P"; }' >"$WORK/fns" && mkdir -p "$ROOT/Library/LaunchDaemons" && chown -R nobody: "$ROOT/Library"

# Loaded, with an interval that is no whole number of minutes.
% . "$WORK/fns"; job '<key>StartInterval</key><integer>61</integer><key>WatchPaths</key><array><string>/tmp/sync-now</string></array>' \
+   /bin/true sync --server 10.0.0.5 && load; section
| syncs with 10.0.0.5 at startup and every 61 seconds;state = not running;run interval = 61 seconds
# Loaded without an interval: the default one; launchd shows no run interval.
% . "$WORK/fns"; as_nobody launchctl bootout gui/65534/$L && job '' /bin/true --server ntp.example.net --server 10.0.0.6 && load; section
| syncs with ntp.example.net at startup and every 30 minutes;state = not running

# Property lists that name no server, or are none: not set up.
% . "$WORK/fns"; as_nobody launchctl bootout gui/65534/$L && job '<key>StartInterval</key><integer>900</integer>' /bin/true sync --server; section
| not set up;(not loaded)
% . "$WORK/fns"; job '' /bin/true --server 5 && sed -i 's|<string>5</string>|<integer>5</integer>|' "$P"; section
| not set up;(not loaded)
% . "$WORK/fns"; echo 'server=10.0.0.5' >"$P"; section
| not set up;(not loaded)
