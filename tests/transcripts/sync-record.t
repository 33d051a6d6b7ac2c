# The last-sync record: whole seconds and a line feed, replaced whole with
# mode 644 in a state folder of mode 755, whatever the umask (the folder's
# missing parents follow the umask: the StateDir unit test).
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% mkdir -p "$STATE" && ln -s "$WORK/elsewhere" "$STATE/last-sync" && chown -R nobody:nogroup "$ROOT/Library"
% as_nobody sh -c 'umask 077; exec "$0" sync --server 10.0.0.5' "$TOOL"
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 0)
% mode "$STATE" "$STATE/last-sync"; ls "$STATE"; ls "$WORK"
| 755 nobody:nogroup
| 644 nobody:nogroup
| last-attempt.plist
| last-sync
# Eleven bytes, one of them a line of ten digits: the number and a line feed.
% r=$(grep -Ex '[1-9][0-9]{9}' "$STATE/last-sync"); now=$(date +%s); wc -c <"$STATE/last-sync"
+ [ "$r" -le "$now" ] && [ "$r" -ge $((now - 60)) ] && echo recent
| 11
| recent

# The time text is taken before sntp runs.
% script_file slow "sleep 1.1; date -u +%Y-%m-%dT%H:%M:%SZ >'$WORK/finished'"
% as_nobody env QUORVANDEL_CONNECT_TEST_SNTP="$WORK/slow" "$TOOL" sync --server 10.0.0.5 >"$WORK/out"
+ [ "$(cut -c1-20 "$WORK/out")" \< "$(cat "$WORK/finished")" ] && echo earlier
| earlier

# The record is written after the output: a sync whose standard output is a
# broken pipe dies at its first line and records nothing, not even the attempt.
% rm "$STATE/last-sync" "$STATE/last-attempt.plist"; mkfifo "$WORK/pipe"; exec 4<>"$WORK/pipe" 5>"$WORK/pipe" 4<&-; as_nobody "$TOOL" sync --server 10.0.0.5 >&5
+ echo "killed by signal $(($? - 128))"; ls "$STATE"
| killed by signal 13

# Readers take the number with blanks and line breaks around it, however
# many: 60,000 blanks fit in what is read. (Which texts count: the
# LastSyncRecord unit tests; a FIFO in its place: robust-special-files.t.)
% printf '%60000s1791580058' >"$STATE/last-sync"; as_nobody "$TOOL" status | sed -n '/== last sync ==/{n;p}'
|   2026-10-09T21:07:38Z
