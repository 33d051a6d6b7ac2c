# A grant: an empty request file only the user may write (in test mode it
# stays the caller's), a grant file naming the user, and the set-the-clock
# job (its form: jobs-write-and-load). "+" is not shown.
$ allow-set-time --user +65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
# A Mac would give the request file to the user, with group wheel.
% cd "$STATE" && mode set-time-request set-time-grant.plist && wc -c <set-time-request && asked set-time-request
| 600 nobody:nogroup
| 644 nobody:nogroup
| 0
| chown 65534:0

# Granting another user replaces the grant and discards the old request (the
# job is reloaded: jobs-write-and-load.t); the last answer is not part of the
# grant and stays.
% as_nobody sh -c 'printf "2026-10-09T21:07:38Z 0123abcd\n" >"$STATE/set-time-request"
+ printf "0123abcd ok clock set to 2026-10-09T21:07:38Z\n" >"$STATE/set-time-result"'
$ allow-set-time --user 1
| User 1 can now set this Mac's clock from Quorvandel Connect without a password.
% cd "$STATE" && mode set-time-request && wc -c <set-time-request && cat set-time-result && plist set-time-grant.plist | grep -A1 '<key>uid' | tail -1
| 600 nobody:nogroup
| 0
| 0123abcd ok clock set to 2026-10-09T21:07:38Z
| 	<integer>1</integer>

# The grant now names daemon: a request in nobody's file is not daemon's.
% as_nobody sh -c 'printf "2026-10-09T21:07:38Z 4567abcd\n" >"$STATE/set-time-request"'
$ set-time-from-request
% chown 1 "$STATE/set-time-request" && chmod 644 "$STATE/set-time-request"
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 1: ok clock set to 2026-10-09T21:07:38Z (self-test: not really)

# forbid-set-time takes all of it away, the answer too, and unloads the job last.
% : >/run/quorvandel-standins/launchd/calls.log
$ forbid-set-time
| Setting the clock from Quorvandel Connect asks for an administrator password again.
% tree | grep -E 'Connect/|Daemons/'; launchctl_calls
| Library/Application Support/Quorvandel Connect/set-time-audit.plist
| bootout gui/65534/com.quorvandel.connect.settime.selftest
