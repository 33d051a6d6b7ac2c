# Requests of the wrong form, each fresh, from the granted user, with a nonce
# not seen before: all dropped without an answer or a log line. (That a
# well-formed one is served: the refusal below.)
% grant

# Each runs silently with exit code 0, or the loop shows what it printed:
# bytes that are not UTF-8 (an invalid byte, an overlong space, a lone
# surrogate); a tab or a no-break space as the only separator; three fields,
# one field; nonces in upper case, of 7 and 33 characters, with a letter past
# f.
% for r in '2026-10-09T21:07:38Z\377 bbbb0001' '2026-10-09T21:07:38Z\300\240bbbb0002' '\355\240\200 bbbb0003' '2026-10-09T21:07:38Z\tbbbb0004' \
+   '2026-10-09T21:07:38Z\302\240bbbb0005' '2026-10-09T21:07:38Z bbbb0006 now' 'bbbb0007' '2026-10-09T21:07:38Z BBBB0008' '2026-10-09T21:07:38Z bbbb009' \
+   '2026-10-09T21:07:38Z bbbb0010bbbb0010bbbb0010bbbb0010b' '2026-10-09T21:07:38Z bbbg0011'; do
+   request "$r\n" && as_nobody "$TOOL" set-time-from-request 2>&1 || echo "exit $? for $r"; done

% ls -A "$STATE" | paste -sd' '; test -e "$ROOT/clock-set-to" || echo "clock untouched"
| set-time-grant.plist set-time-request
| clock untouched

# A line break or control in the command is no time: refused, escaped in the
# answer and the log, so it can neither forge a line nor steer a terminal.
% request 'x\n2026-10-09T21:07:38Z\033[2J\342\200\256 bbbb0014\n'
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: refused "x\x0a2026-10-09T21:07:38Z\x1b[2J\u202e" is not a time. Give it as 2026-10-09T21:07:38Z.
% cat "$STATE/set-time-result"
| bbbb0014 refused "x\x0a2026-10-09T21:07:38Z\x1b[2J\u202e" is not a time. Give it as 2026-10-09T21:07:38Z.

