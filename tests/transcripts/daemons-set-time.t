#! sandbox: --supervise
# The set-the-clock job really runs when the granted user's companion app
# rewrites the request file; the app reads the answer back (waiting longer
# than its own 10 s: a test run at low priority on a busy machine can take that).
% grant
% inode=$(stat -c %i "$STATE/set-time-request"); as_nobody "$SRC/tools/companion/quorvandel-companion" --timeout 120 set 2030-01-01T00:00:00Z
+ echo "exit $?"; cat "$ROOT/clock-set-to"; [ "$(stat -c '%i %a %U %h' "$STATE/set-time-request")" = "$inode 600 nobody 1" ] && echo "in place"
+ grep -cE '^[0-9a-f]{16} ok clock set to 2030-01-01T00:00:00Z \(self-test: not really\)$' "$STATE/set-time-result"
| ok clock set to 2030-01-01T00:00:00Z (self-test: not really)
| exit 0
| 2030-01-01T00:00:00Z
| in place
| 1
# Earlier than the last sync: refused with both times.
% echo 1893456000 >"$STATE/last-sync"; as_nobody "$SRC/tools/companion/quorvandel-companion" --timeout 120 set 2029-12-31T23:59:59Z; echo "exit $?"
| refused 2029-12-31T23:59:59Z is earlier than this Mac's last sync (2030-01-01T00:00:00Z). The clock was not changed.
| exit 1
# The job's log has a line for each (it follows the answer file: waited for).
% wait_for 'grep -q refused "$LOG"' && cat "$LOG"
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2030-01-01T00:00:00Z (self-test: not really)
| {time} quorvandel-connect: set-time request from user 65534: refused 2029-12-31T23:59:59Z is earlier than this Mac's last sync (2030-01-01T00:00:00Z). The clock was not changed.
# (Revoke through the app: daemons-revoke.t.)
