# Requests of the wrong form, each fresh, from the granted user, with a nonce
# not seen before: all dropped without an answer or a log line.
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% sntp_script ask 'printf "$@" >"$STATE/set-time-request"'

# Bytes that are not UTF-8: an invalid byte, an overlong space, a lone surrogate.
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z\377 bbbb0001\n'
$ set-time-from-request
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z\300\240bbbb0002\n'
$ set-time-from-request
% as_nobody "$WORK/ask" '\355\240\200 bbbb0003\n'
$ set-time-from-request

# Only spaces separate: a tab or a no-break space leaves one field.
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z\tbbbb0004\n'
$ set-time-from-request
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z\302\240bbbb0005\n'
$ set-time-from-request

# Three fields, one field.
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z bbbb0006 now\n'
$ set-time-from-request
% as_nobody "$WORK/ask" 'bbbb0007\n'
$ set-time-from-request

# Nonces: upper case, 7 and 33 characters, a letter past f.
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z BBBB0008\n'
$ set-time-from-request
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z bbbb009\n'
$ set-time-from-request
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z bbbb0010bbbb0010bbbb0010bbbb0010b\n'
$ set-time-from-request
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z bbbg0011\n'
$ set-time-from-request

# A line break or control character inside the command would forge a log line.
% as_nobody "$WORK/ask" 'x\n2026-10-09T21:07:38Z bbbb0014\n'
$ set-time-from-request
% as_nobody "$WORK/ask" 'x\033[2J bbbb0015\n'
$ set-time-from-request

% ls -A "$STATE"; test -e "$ROOT/clock-set-to" || echo "clock untouched"
| set-time-grant.plist
| set-time-request
| clock untouched

# Control: 8 and 32 characters are nonces.
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z bbbb0012\n'
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2026-10-09T21:07:38Z (self-test: not really)
% as_nobody "$WORK/ask" '2026-10-09T21:07:38Z bbbb0013bbbb0013bbbb0013bbbb0013\n'
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2026-10-09T21:07:38Z (self-test: not really)
