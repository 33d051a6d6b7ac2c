#! sandbox: --supervise
# The sync job really runs: at load, and whenever anyone touches sync-now.
= QUORVANDEL_CONNECT_TEST_SNTP=/tmp/sntp
% script_file sntp 'echo "sntp: asked $1"' && cp "$WORK/sntp" /tmp/sntp
% as_nobody "$TOOL" install --server 127.0.0.1 --interval 600 | tail -1
| quorvandel-connect-result: synced
# RunAtLoad: the job's own first sync, racing install's, lands in the log.
% wait_for 'grep -q "sync against" "$LOG"' && cat "$LOG"
| {time} quorvandel-connect: sync against 127.0.0.1 (exit 0)
| sntp: asked 127.0.0.1
% wait_for 'launchctl print gui/65534/com.quorvandel.connect.selftest | grep -q "state = not running"'
% echo 1000000000 >"$STATE/last-sync"; touched=$(date +%s); as_nobody touch "$STATE/sync-now"
+ wait_for '[ $(grep -c "sync against" "$LOG") = 2 ]' && [ $(cat "$STATE/last-sync") -ge $touched ] && tail -2 "$LOG"
| {time} quorvandel-connect: sync against 127.0.0.1 (exit 0)
| sntp: asked 127.0.0.1
# Remove stops the job: touching the (gone) trigger starts nothing more.
% as_nobody "$TOOL" remove | tail -1
| Removed. Time server set back to time.apple.com (Apple's default).
% launchctl print gui/65534/com.quorvandel.connect.selftest; echo "exit $?"; ls /run/quorvandel-standins/launchd/gui_65534
! Could not find service "com.quorvandel.connect.selftest" in domain for user gui: 65534
| exit 113
