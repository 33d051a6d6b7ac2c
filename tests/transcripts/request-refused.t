# A fresh request that the clock setting refuses is answered "refused" with
# its words, and logged.
% grant && printf '1791580058\n' >"$STATE/last-sync"

# One second before the last sync (its very second passes: settime-by-hand.t).
% request '2026-10-09T21:07:37Z dddd0001\n'
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: refused 2026-10-09T21:07:37Z is earlier than this Mac's last sync (2026-10-09T21:07:38Z). The clock was not changed.
