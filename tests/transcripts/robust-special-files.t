# A FIFO, a device or a socket where the tool expects a regular file counts
# as unreadable at once, with the outcome of an unreadable file: never a hang.
# (status: the lines of every section joined by ";"; the report whole:
# install-lifecycle.t)
% mkdir -p "$STATE" "$ROOT/var/log" "$ROOT/Library/LaunchDaemons" && chown -R nobody "$ROOT"
% cd "$STATE" && mkfifo last-sync set-time-grant.plist && mknod before-setup.plist c 1 3
+ mkfifo "$LOG" "$SYNC_JOB" "$ROOT/system-time-settings.plist"
% python3 -c 'import socket,sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$STATE/set-time-result"
% chown -R nobody "$ROOT" && status_joined '.*'
| not set up;(not loaded);(no record);(none recorded);sync now: no (set up again to add it);set the clock: nobody;(could not read);(no log yet)

# No floor can be read, so any time is allowed; the clock file is written.
$ set-time 2026-10-09T21:07:38Z
| {time} quorvandel-connect: clock set to 2026-10-09T21:07:38Z (self-test: not really)

# The set-the-clock job meets a FIFO or a device at the request path: dropped at once,
# no answer, no log line. The grant must be real for the handler to look.
% rm "$STATE/set-time-grant.plist" "$STATE/set-time-result"
% grant
% for kind in p 'c 1 5'; do rm "$STATE/set-time-request" && mknod "$STATE/set-time-request" $kind && chown nobody "$STATE/set-time-request"
+   as_nobody timeout 5 "$TOOL" set-time-from-request; echo "exit $?"; done; ls "$STATE" | paste -sd' '
| exit 0
| exit 0
| before-setup.plist last-sync set-time-audit.plist set-time-grant.plist set-time-request

# A result file that is a FIFO does not block the replay check: the answer replaces it.
% rm "$STATE/set-time-request" && mkfifo "$STATE/set-time-result" && chown nobody "$STATE/set-time-result"
% as_nobody sh -c 'printf "%s 0123abcd\n" "$(date -u +%Y-%m-%dT%H:%M:%SZ)" > "$STATE/set-time-request"'
% as_nobody timeout 5 "$TOOL" set-time-from-request | sed 's/^[^ ]* //'; stat -c %F "$STATE/set-time-result"
| quorvandel-connect: set-time request from user 65534: ok clock set to {time} (self-test: not really)
| regular file

# Files are read only up to a size that fits their use; past it, a file reads
# as unreadable. A last-sync record of a year-2100 sync padded past 64 KiB
# sets no floor, and a result file past 1 KiB is no record of the earlier answer.
% rm -f "$STATE/last-sync"; { echo "0123abcd ok clock set"; printf "%1100s" ""; } >"$STATE/set-time-result"
+ { echo 4102444800; printf "%66000s" ""; } >"$STATE/last-sync"
% as_nobody sh -c 'printf "%s 0123abcd\n" "$(date -u +%Y-%m-%dT%H:%M:%SZ)" > "$STATE/set-time-request"'
% as_nobody "$TOOL" set-time-from-request | sed 's/^[^ ]* //'
| quorvandel-connect: set-time request from user 65534: ok clock set to {time} (self-test: not really)

# The state folder's walk never enters a link: with the folder read-only (so
# the link cannot be unlinked) a link to a folder of someone's files is passed
# over, and the files stay.
% mkdir -p "$WORK/victim" && touch "$WORK/victim/file" && ln -s "$WORK/victim" "$STATE/folder" && chown -R nobody: "$WORK/victim"
+ mount --bind "$STATE" "$STATE" && mount -o remount,bind,ro "$STATE" && as_nobody "$TOOL" remove >/dev/null; ls "$WORK/victim"
| file
