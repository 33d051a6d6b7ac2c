# Text the tool did not write itself reaches the terminal, the log and status
# --json only with its controls escaped, whether it comes from sntp, from
# systemsetup or the settings store, from launchctl, from the saved settings,
# or from the log itself. $WORK/e holds a tab, ESC, DEL, a C1 control, every bidi control,
# the line and paragraph separators, a zero-width space and a byte-order mark.
% printf 'a\t\033[2J\177\302\205\330\234\342\200\216\342\200\217\342\200\252\342\200\253\342\200\254\342\200\255\342\200\256' >"$WORK/e"
+ printf '\342\201\246\342\201\247\342\201\250\342\201\251\342\200\250\342\200\251\342\200\213\357\273\277z' >>"$WORK/e"
+ script_file sntp "cat '$WORK/e'" && script_file settings 'python3 -c "import plistlib, sys
+ open(sys.argv[1], \"wb\").write(plistlib.dumps({\"timeServer\": open(sys.argv[2]).read()}, fmt=plistlib.FMT_BINARY))" "$@"'
+ mkdir -p "$STATE" "$ROOT/var/log" && "$WORK/settings" "$STATE/before-setup.plist" "$WORK/e"
+ "$WORK/settings" "$ROOT/system-time-settings.plist" "$WORK/e" && chown -R nobody: "$ROOT"
+ { printf 'Network Time Server: '; cat "$WORK/e"; } >/run/quorvandel-standins/systemsetup/output
+ script_file launchctl "printf '\tstate = '; cat '$WORK/e'" && mount --bind "$WORK/launchctl" /usr/bin/launchctl
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp

# The escaped form, once; then no byte of the set anywhere: not on the
# terminal, not in the log (the sync as the job runs it, and raw text put
# there), not in the JSON.
$ sync --server 10.0.0.5
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 0)
| a\x09\x1b[2J\x7f\u0085\u061c\u200e\u200f\u202a\u202b\u202c\u202d\u202e\u2066\u2067\u2068\u2069\u2028\u2029\u200b\ufeffz
% as_nobody "$TOOL" sync --server 10.0.0.5 >"$LOG" && cp "$LOG" "$WORK/shown" && { cat "$WORK/e"; echo; } >>"$LOG"
+ set='[\x00-\x09\x0b-\x1f\x7f\x{80}-\x{9f}\x{61c}\x{200b}\x{200e}\x{200f}\x{2028}-\x{202e}\x{2066}-\x{2069}\x{feff}]'
+ { as_nobody "$TOOL" sync --server 10.0.0.5; as_nobody "$TOOL" status; as_nobody "$TOOL" status --json
+   "$TOOL" status; as_nobody "$TOOL" remove; } >>"$WORK/shown" && ! LC_ALL=C.UTF-8 grep -P "$set" "$WORK/shown" && echo none
| none
# Where the escaped text was shown, one place after another on one line:
# the log, the sync, status (launchctl, the saved settings, the store, the
# log lines), status as root (launchctl, systemsetup), remove.
% grep -F 'a\x09\x1b[2J\x7f' "$WORK/shown" | sed 's/a\\x09[^ ]*\\ufeffz/E/' | paste -sd';'
| E;E;  state = E;  time server: E;  E;  E;  E;  state = E;  E;Removed. Time server set back to E (what this Mac had before setup).
# The sync job's server, as root put it in the job: escaped in status and in the JSON.
% sync_job '' x sync --server "$(cat "$WORK/e")" && { as_nobody "$TOOL" status | grep 'syncs with'; status_facts .server; } | sed 's/a\\*x09[^ ]*\\*ufeffz/E/'
|   syncs with E at startup and every 30 minutes
| ["E"]
