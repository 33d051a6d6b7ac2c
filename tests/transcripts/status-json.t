# status --json for fleet scripts: the whole document once, on a Mac set up in
# full (every key, in its order, the version the build says); what an
# ordinary user reads; a log whose tail cut an attempt off; and damaged
# property lists that still give a document that parses.
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% settings_store "$(settings time.apple.com true)"
% as_nobody "$TOOL" install --server 10.0.0.5 --interval 900 >/dev/null && as_nobody "$TOOL" allow-set-time --user 65534 >/dev/null
% printf '2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)\n\n  sntp: "step"\t\033[2J\n-0.000021 +/- 0.1 x\n' >"$LOG"
+ echo '2026-10-09T21:08:00Z quorvandel-connect: set-time request from user 65534: refused the request was not made just now.' >>"$LOG"
$ status --json
| {"schema":1,"version":"{version}","setUp":true,"server":"10.0.0.5","intervalSeconds":900,"job":{"loaded":true,"state":"not running","runIntervalSeconds":900},"beforeSetup":{"timeServer":"time.apple.com","setTimeAutomatically":true},"lastSync":{"epoch":{n},"iso":"{time}"},"lastAttempt":{"epoch":1791580058,"iso":"2026-10-09T21:07:38Z","server":"10.0.0.5","exitCode":0},"offsetSeconds":-0.000021,"syncNow":true,"setTimeUser":{"uid":65534,"jobLoaded":true},"setTimeRequests":[{"epoch":1791580080,"uid":65534,"outcome":"refused","requested":null}],"configuredTimeServer":"10.0.0.5","logTail":["2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)","  sntp: \"step\"\\x09\\x1b[2J","-0.000021 +/- 0.1 x","2026-10-09T21:08:00Z quorvandel-connect: set-time request from user 65534: refused the request was not made just now."],"health":"ok"}

# An ordinary user on a Mac that root set up reads all but the Mac's time server.
% start_ntp
% in_throwaway_root "$TOOL" install --server 127.0.0.1 >/dev/null; in_throwaway_root "$TOOL" status --json >"$WORK/root.json"
+ in_throwaway_root setpriv --reuid 65534 --regid 65534 --clear-groups "$TOOL" status --json >"$WORK/user.json"
+ python3 -c 'import json, sys; r, u = (json.load(open(f)) for f in sys.argv[1:])
+ print(*(f"{k}: {r[k]} as root, {u[k]} as nobody" for k in r if r[k] != u[k]), u["setUp"], u["job"]["loaded"])' "$WORK/root.json" "$WORK/user.json"
| configuredTimeServer: 127.0.0.1 as root, None as nobody True True

# Only the log's last 64 KiB is read. Here it starts with the result line of
# an attempt whose own line lies before it: neither counts.
% python3 -c 'import sys; r = "+0.5 +/- 0.1 10.0.0.5\n"; n = 65536 - len(r)
+ sys.stdout.write("2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)\n" + r + "x" * (n - 1) + "\n")' >"$LOG"
+ as_nobody "$TOOL" status --json | python3 -c 'import json, sys; d = json.load(sys.stdin); print(d["lastAttempt"], d["offsetSeconds"])'
| None None

# Each property-list fuzz input as the job, the saved settings, the grant
# and the settings store.
% for f in "$SRC"/fuzz/*/plist/*; do for p in "$SYNC_JOB" "$STATE/before-setup.plist" \
+   "$STATE/set-time-grant.plist" "$ROOT/system-time-settings.plist"; do cp "$f" "$p"; done; as_nobody "$TOOL" status --json | json_ok || echo "$f"; done
