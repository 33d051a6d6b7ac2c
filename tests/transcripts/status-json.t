# status --json for fleet scripts: the whole document on a Mac set up in full,
# the health words through the fleet snippets of the docs, and damaged
# property lists that still give a document that parses.

# The snippets under the fleet headings of docs/deploying.md and the man page,
# run as they stand but for the tool's path: 1 and 3 print the health as an
# extension attribute, 2 and 4 are the compliance check.
% cd "$WORK" && awk '/^(## |\.S[hs] )/ { fleet = /[Ff]leet/ } fleet && /^(```|\.Ed)$/ { block = 0 } block { print >("snippet" n) }
+   fleet && /^(```sh|\.Bd -literal)/ { block = 1; n++ }' "$SRC/docs/deploying.md" "$SRC/man/quorvandel-connect.8" \
+   && sed -i "s|^tool=.*|tool=\"$TOOL\"|" snippet? && cmp snippet1 snippet3 && cmp snippet2 snippet4
% as_nobody sh snippet1; as_nobody sh snippet2; echo "exit $?"
| <result>not-set-up</result>
! Quorvandel Connect: not-set-up
| exit 1

# Set up in full: job, saved settings, a sync, the grant, a log.
% script_file sntp 'exit 0'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp
% settings_store "$(settings time.apple.com true)"
% as_nobody "$TOOL" install --server 10.0.0.5 --interval 900 >/dev/null && as_nobody "$TOOL" allow-set-time --user 65534 >/dev/null
% printf '2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)\n\n  sntp: "step"\t\033[2J\n' >"$LOG"
$ status --json
| {"schema":1,"setUp":true,"server":"10.0.0.5","intervalSeconds":900,"job":{"loaded":true,"state":"not running","runIntervalSeconds":900},"beforeSetup":{"timeServer":"time.apple.com","setTimeAutomatically":true},"lastSync":{"epoch":{n},"iso":"{time}"},"syncNow":true,"setTimeUser":{"uid":65534,"jobLoaded":true},"configuredTimeServer":"10.0.0.5","logTail":["2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)","  sntp: \"step\"\\x09\\x1b[2J"],"health":"ok"}
% as_nobody sh snippet1; as_nobody sh snippet2; echo "exit $?"
| <result>ok</result>
| exit 0

# Older than twice the interval plus 300 s; then the job unloaded.
% echo $(( $(date +%s) - 2101 )) >"$STATE/last-sync"; as_nobody sh snippet1; as_nobody sh snippet2; echo "exit $?"
| <result>stale</result>
! Quorvandel Connect: stale
| exit 1
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest; as_nobody sh "$WORK/snippet1"
| <result>job-not-loaded</result>

# Each property-list fuzz input as the job, the saved settings, the grant
# and the settings store.
% for f in "$SRC"/fuzz/*/plist/*; do for p in "$SYNC_JOB" "$STATE/before-setup.plist" \
+   "$STATE/set-time-grant.plist" "$ROOT/system-time-settings.plist"; do cp "$f" "$p"; done; as_nobody "$TOOL" status --json | json_ok || echo "$f"; done
