# The facts status --json gives a fleet are records that the sync and the
# clock's answers keep, never lines read back from the log: a granted user
# who floods the log hides no failure, every refusal is counted, a manual
# sync counts, a damaged record reads as absent, and remove forgets them all.
# (A failed sync or a refused set-time on a Mac never set up records nothing:
# remove-traces.t.)
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp
% script_file sntp "[ -e '$WORK/down' ] && exit 1; echo \"+0.25 +/- 0.1 \$1\"" && mkdir -p "$ROOT/var/log" && chown -R nobody: "$ROOT"

# One failed attempt after a success is not failing yet, but fails the
# fleet's compliance check made stricter with max_failures; two in a row are.
% as_nobody "$TOOL" install --server 10.0.0.5 >/dev/null && touch "$WORK/down" && grant
+ sed "s#^max_failures=.*#max_failures=1#; s# /Library/# $ROOT/Library/#" "$SRC/fleet/compliance-check.sh" >"$WORK/strict.sh"
+ as_nobody "$TOOL" sync --server 10.0.0.5 >/dev/null; status_facts '.health, .consecutiveFailures, .offsetSeconds'; as_nobody sh "$WORK/strict.sh"
+ as_nobody "$TOOL" sync --server 10.0.0.5 >/dev/null; status_facts '.health, .consecutiveFailures, .failingSince.epoch < .lastAttempt.epoch + 1'
| ["ok",1,0.25]
| ["failing",2,true]
! Quorvandel Connect: failed syncs in a row: 1

# The granted user floods the log with 200 requests of 55 control bytes,
# each answered (refused: not a time) in a line of 354 bytes: 71 KB, more
# than status reads of the log. The Mac still shows as failing, every
# refusal is counted, and the newest 20 answers are listed.
% as_nobody sh -c 'c=$(printf "\001%.0s" $(seq 55)); for i in $(seq 200); do printf "%s %08x" "$c" $i >"$1"; "$0" set-time-from-request; done' \
+   "$TOOL" "$STATE/set-time-request" >>"$LOG"; echo $(wc -lc <"$LOG")
+ status_facts '.health, .setTimeRequestCounts, (.setTimeRequests | length), .setTimeRequests[0].requested[0:8]'
| 200 70800
| ["failing",{"ok":0,"refused":200},20,"\\x01\\x01"]

# The user who acts as root sets the clock: listed, not counted as a request.
# A new grant counts from zero. A manual sync ends the failures.
% as_nobody "$TOOL" set-time 2030-01-01T00:00:00Z >/dev/null; as_nobody "$TOOL" set-time "$(printf '\033')" 2>/dev/null
+ status_facts '(.setTimeRequests[-2:][] | .uid, .outcome, .requested, .via), .setTimeRequestCounts.ok'
+ grant && status_facts '.setTimeRequestCounts, (.setTimeRequests | length)'
+ rm "$WORK/down" && as_nobody "$TOOL" sync --server 10.0.0.5 >/dev/null; status_facts '.health, .consecutiveFailures, .failingSince'
| [65534,"ok","2030-01-01T00:00:00Z","set-time",65534,"refused","\\x1b","set-time",0]
| [{"ok":0,"refused":0},20]
| ["ok",0,null]

# A record holding text the tool would have escaped reads as absent, and the
# next answer starts it anew. Whatever the command line gives, a record keeps
# 256 bytes of a server and 64 of a time asked for.
% sed -i 's/10.0.0.5/\x1b/' "$STATE/last-attempt.plist" && sed -i 's/2030/\x1b/' "$STATE/set-time-audit.plist"
+ status_facts '.lastAttempt, .setTimeRequests'; long=$(printf '%070000d' 0)
+ as_nobody "$TOOL" sync --server "$long" >/dev/null; as_nobody "$TOOL" set-time "$long" 2>/dev/null
+ status_facts '(.lastAttempt.server | length), [.setTimeRequests[].requested | length]'
| [null,[]]
| [256,[64]]

# Remove forgets every fact; only the log stays.
% as_nobody "$TOOL" remove >/dev/null && status_facts '.lastAttempt, .offsetSeconds, .setTimeRequests, .setTimeRequestCounts, (.logTail | length)'
| [null,null,[],{"ok":0,"refused":0},12]
