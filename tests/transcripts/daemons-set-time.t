#! sandbox: --supervise
# The set-the-clock job really runs when the granted user's companion app
# rewrites the request file; the app reads the answer back.
% as_nobody "$SRC/tools/companion/quorvandel-companion" set 2030-01-01T00:00:00Z; echo "exit $?"
! error: cannot write the request file {root}/Library/Application Support/Quorvandel Connect/set-time-request: No such file or directory. Has this user been given the right to set the clock (allow-set-time)?
| exit 3
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% inode=$(stat -c %i "$STATE/set-time-request"); as_nobody "$SRC/tools/companion/quorvandel-companion" set 2030-01-01T00:00:00Z
+ echo "exit $?"; cat "$ROOT/clock-set-to"; [ "$(stat -c '%i %a %U %h' "$STATE/set-time-request")" = "$inode 600 nobody 1" ] && echo "in place"
+ grep -cE '^[0-9a-f]{16} ok clock set to 2030-01-01T00:00:00Z \(self-test: not really\)$' "$STATE/set-time-result"
| ok clock set to 2030-01-01T00:00:00Z (self-test: not really)
| exit 0
| 2030-01-01T00:00:00Z
| in place
| 1
% wait_for 'grep -q "set-time request" "$LOG"' && cat "$LOG"
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2030-01-01T00:00:00Z (self-test: not really)
# Earlier than the last sync: refused with both times.
% echo 1893456000 >"$STATE/last-sync"; as_nobody "$SRC/tools/companion/quorvandel-companion" set 2029-12-31T23:59:59Z; echo "exit $?"
| refused 2029-12-31T23:59:59Z is earlier than this Mac's last sync (2030-01-01T00:00:00Z). The clock was not changed.
| exit 1
# (the log line follows the answer file: waited for)
% wait_for 'grep -q refused "$LOG"' && as_nobody "$TOOL" status | sed -n '/== last sync/{n;p};/set the clock/p;/last log/,$p' | sed -E 's/(65534: [a-z]*).*/\1/'
|   2030-01-01T00:00:00Z
|   set the clock: user 65534
| == last log lines ==
|   {time} quorvandel-connect: set-time request from user 65534: ok
|   {time} quorvandel-connect: set-time request from user 65534: refused
# Revoke through the app: answered, then the job boots itself out.
% as_nobody "$SRC/tools/companion/quorvandel-companion" revoke; echo "exit $?"
+ wait_for '! launchctl print gui/65534/com.quorvandel.connect.settime.selftest 2>/dev/null'; ls "$STATE"
| revoked this Mac asks for an administrator password again.
| exit 0
| last-sync
| set-time-result
# No job to answer: the app gives up after its time-out.
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% launchctl bootout gui/65534/com.quorvandel.connect.settime.selftest
+ as_nobody "$SRC/tools/companion/quorvandel-companion" --timeout 0.5 set 2030-01-02T00:00:00Z; echo "exit $?"
! error: no answer from the set-the-clock job within 0.5 seconds.
| exit 2
