# Attacks on where a request comes from. Each request below is fresh and well
# formed with a new nonce, so only the attacked property can drop it; a
# dropped request prints nothing and exits 0, where a served one prints its
# log line (the answer file is written only with it: checked at the end).
% grant

# A symbolic link at the request path, to a file the user owns.
% as_nobody sh -c 'printf "2026-10-09T21:07:38Z aaaa0001\n" >"$WORK/mine" && rm "$STATE/set-time-request" && ln -s "$WORK/mine" "$STATE/set-time-request"'
$ set-time-from-request

# (A FIFO or a device at the request path: robust-special-files.)

# A second name for the request file (a hard link): dropped; without it, served.
% as_nobody sh -c 'rm "$STATE/set-time-request" && printf "2026-10-09T21:07:38Z aaaa0002\n" >"$STATE/set-time-request"
+ ln "$STATE/set-time-request" "$WORK/second-name"'
$ set-time-from-request
% rm "$WORK/second-name"
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2026-10-09T21:07:38Z (self-test: not really)

# A file owned by another user, readable by all: dropped; given back, served.
% request '2026-10-09T21:07:39Z aaaa0003\n' && chown 1:1 "$STATE/set-time-request" && chmod 644 "$STATE/set-time-request"
$ set-time-from-request
% chown 65534 "$STATE/set-time-request"
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2026-10-09T21:07:39Z (self-test: not really)

# Size: an empty file, and 65 bytes whose trimmed content is a good request.
% request ''
$ set-time-from-request
% request '%-64s\n' '2026-10-09T21:07:40Z aaaa0004'; wc -c <"$STATE/set-time-request"
| 65
$ set-time-from-request

# 64 bytes are read whole: the nonce's last digit is the 64th byte.
% request '2026-10-09T21:07:41Z%36s64646464' ''; wc -c <"$STATE/set-time-request"
| 64
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: ok clock set to 2026-10-09T21:07:41Z (self-test: not really)

# The grant file decides whose requests count: without an integer uid, or
# without a grant, nothing is served: the answer and the clock are still the
# 64-byte request's.
% request '2026-10-09T21:07:42Z aaaa0005\n'
% printf '<plist><dict><key>uid</key><string>65534</string></dict></plist>' >"$STATE/set-time-grant.plist"
$ set-time-from-request
% rm "$STATE/set-time-grant.plist"
$ set-time-from-request
% cat "$STATE/set-time-result" "$ROOT/clock-set-to"
| 64646464 ok clock set to 2026-10-09T21:07:41Z (self-test: not really)
| 2026-10-09T21:07:41Z
