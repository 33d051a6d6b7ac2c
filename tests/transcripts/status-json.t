# status --json for fleet scripts: the whole document once, on a Mac set up in
# full (every key, in its order, the version the build says), its facts taken
# from the records the sync and the answers keep; what an ordinary user reads;
# a root set-time in the audit; and damaged property lists that still give a
# document that parses. (The records against a flood of the log: status-records.t.)
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp
% settings_store "$(settings time.apple.com true)" && script_file sntp 'echo "-0.000021 +/- 0.1 $1"'
% as_nobody "$TOOL" install --server 10.0.0.5 --interval 900 >/dev/null && as_nobody "$TOOL" allow-set-time --user 65534 >/dev/null
+ request '2026-10-09T21:07:38Z 0123abcd' && age "$STATE/set-time-request" 35 && as_nobody "$TOOL" set-time-from-request >/dev/null
% printf '2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)\n\n  sntp: "step"\t\033[2J\n-0.000021 +/- 0.1 x\n' >"$LOG"
+ echo '2026-10-09T21:08:00Z quorvandel-connect: set-time request from user 65534: refused the request was not made just now.' >>"$LOG"
$ status --json
| {"schema":1,"version":"{version}","setUp":true,"server":"10.0.0.5","intervalSeconds":900,"job":{"loaded":true,"state":"not running","runIntervalSeconds":900},"beforeSetup":{"timeServer":"time.apple.com","setTimeAutomatically":true},"lastSync":{"epoch":{n},"iso":"{time}"},"lastAttempt":{"epoch":{n},"iso":"{time}","server":"10.0.0.5","exitCode":0},"offsetSeconds":-0.000021,"consecutiveFailures":0,"failingSince":null,"syncNow":true,"setTimeUser":{"uid":65534,"jobLoaded":true},"setTimeRequests":[{"epoch":{n},"uid":65534,"outcome":"refused","requested":"2026-10-09T21:07:38Z","via":"request"}],"setTimeRequestCounts":{"ok":0,"refused":1},"configuredTimeServer":"10.0.0.5","logTail":["2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)","  sntp: \"step\"\\x09\\x1b[2J","-0.000021 +/- 0.1 x","2026-10-09T21:08:00Z quorvandel-connect: set-time request from user 65534: refused the request was not made just now."],"health":"ok"}

# An ordinary user on a Mac that root set up reads all but the Mac's time
# server. Root's set-time is in the audit, refused here: the sandbox took the
# right to set the clock.
% start_ntp
% in_throwaway_root "$TOOL" install --server 127.0.0.1 >/dev/null; in_throwaway_root "$TOOL" set-time "$(date -u +%Y-%m-%dT%H:%M:%SZ)" 2>/dev/null
+ in_throwaway_root "$TOOL" status --json >"$WORK/root.json"
+ in_throwaway_root setpriv --reuid 65534 --regid 65534 --clear-groups "$TOOL" status --json >"$WORK/user.json"
+ python3 -c 'import json, sys; r, u = (json.load(open(f)) for f in sys.argv[1:])
+ print(*(f"{k}: {r[k]} as root, {u[k]} as nobody" for k in r if r[k] != u[k]), u["setUp"], u["job"]["loaded"])
+ print(*(u["setTimeRequests"][-1][k] for k in ("uid", "outcome", "via")))' "$WORK/root.json" "$WORK/user.json"
| configuredTimeServer: 127.0.0.1 as root, None as nobody True True
| 0 refused set-time

# Each property-list fuzz input as the job, the saved settings, the grant,
# the settings store and the records.
% for f in "$SRC"/fuzz/*/plist/*; do for p in "$SYNC_JOB" "$STATE/before-setup.plist" "$STATE/set-time-grant.plist" \
+   "$ROOT/system-time-settings.plist" "$STATE/last-attempt.plist" "$STATE/set-time-audit.plist"; do cp "$f" "$p"; done
+   as_nobody "$TOOL" status --json | json_ok || echo "$f"; done
