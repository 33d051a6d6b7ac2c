# Setting the clock by hand in test mode: a file stands for the clock.
# Without a last-sync record any well-formed time is taken.
$ set-time 2026-10-09T21:07:38Z
| {time} quorvandel-connect: clock set to 2026-10-09T21:07:38Z (self-test: not really)
% cat "$ROOT/clock-set-to"
| 2026-10-09T21:07:38Z

# With a record, its very second is allowed and one second before is refused,
# both times in the words; nothing goes to standard output.
% mkdir -p "$STATE" && printf '1791580058\n' >"$STATE/last-sync"
$ set-time 2026-10-09T21:07:38Z
| {time} quorvandel-connect: clock set to 2026-10-09T21:07:38Z (self-test: not really)
$ set-time 2026-10-09T21:07:37Z
! 2026-10-09T21:07:37Z is earlier than this Mac's last sync (2026-10-09T21:07:38Z). The clock was not changed.
? 1
$ set-time 2026-10-09T21:07:39Z
| {time} quorvandel-connect: clock set to 2026-10-09T21:07:39Z (self-test: not really)

# A text that is not a time is shown as given, and is refused as such even
# where it would read as a time before the last sync (which texts are times:
# the TimeText unit tests).
$ set-time 1970-01-01T00:00:00z
! "1970-01-01T00:00:00z" is not a time. Give it as 2026-10-09T21:07:38Z.
? 1
% cat "$ROOT/clock-set-to"
| 2026-10-09T21:07:39Z

# A clock file that cannot be written does not change the answer.
= QUORVANDEL_CONNECT_TEST_ROOT=$WORK/missing
$ set-time 2028-02-29T23:59:59Z
| {time} quorvandel-connect: clock set to 2028-02-29T23:59:59Z (self-test: not really)
