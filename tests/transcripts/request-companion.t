# The companion app's side of a clock setting: its user holds the grant,
# rewrites the request file the grant made, and reads the answer; launchd
# runs the handler, whose line goes to the log.
% grant
% request '2026-10-09T21:07:38Z 0123456789abcdef0123456789abcdef\n'
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2026-10-09T21:07:38Z (self-test: not really)
% cd "$STATE" && cat set-time-result "$ROOT/clock-set-to" && mode set-time-result && ls -A | paste -sd' '
| 0123456789abcdef0123456789abcdef ok clock set to 2026-10-09T21:07:38Z (self-test: not really)
| 2026-10-09T21:07:38Z
| 644 nobody:nogroup
| set-time-audit.plist set-time-grant.plist set-time-request set-time-result

# launchd runs the job again over the same request: served already, nothing
# happens. A new request that repeats the last answer's nonce is not executed.
% rm "$ROOT/clock-set-to"
$ set-time-from-request
% request '2027-01-01T00:00:00Z 0123456789abcdef0123456789abcdef\n'
$ set-time-from-request
% test -e "$ROOT/clock-set-to" || echo "clock untouched"; cat "$STATE/set-time-result"
| clock untouched
| 0123456789abcdef0123456789abcdef ok clock set to 2026-10-09T21:07:38Z (self-test: not really)
