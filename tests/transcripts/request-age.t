# A request counts only when its file was written within 30 seconds of the
# handler's run, in either direction; otherwise it is answered, not executed.
% grant

% request '2026-10-09T21:07:38Z cccc0025\n' && age "$STATE/set-time-request" 25
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2026-10-09T21:07:38Z (self-test: not really)

% request '2027-01-01T00:00:00Z cccc0035\n' && age "$STATE/set-time-request" 35
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: refused the request was not made just now.

% request '2027-01-01T00:00:00Z ffff0035\n' && age "$STATE/set-time-request" -35
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: refused the request was not made just now.
