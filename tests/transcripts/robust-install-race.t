# Two installs at once, with no lock: each ends with its own lines and exit
# code, and every file left is whole and written by one of them.
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/slow-sntp
# The Mac's settings can be read, so whichever install saves them first leaves a record.
% settings_store "$(settings 10.0.0.9 true)"
% script_file slow-sntp 'sleep 0.2; echo "sntp: answered by $1"'
% for n in 1 2; do (as_nobody "$TOOL" install --server 127.0.0.$n; echo "exit $?") >"$WORK/$n" 2>&1 & done; wait
+ grep -hE '^(Done|quorvandel-connect-result|exit)' "$WORK/1" "$WORK/2"
| Done. This Mac syncs with 127.0.0.1 at startup and every 30 minutes.
| quorvandel-connect-result: synced
| exit 0
| Done. This Mac syncs with 127.0.0.2 at startup and every 30 minutes.
| quorvandel-connect-result: synced
| exit 0
# Which server each file names depends on the interleaving: without a lock the
# second run may even save the first one's server as the setting from before.
# Every file is whole: the installed copy, the record, the job and the saved
# settings (the last two as status reads them), and no other file is left.
% cmp -s "$TOOL" "$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect" && echo "installed copy whole"; grep -cxE '[0-9]+' "$STATE/last-sync"
+ find "$STATE" "$ROOT/Library/LaunchDaemons" "$ROOT/Library/PrivilegedHelperTools" -mindepth 1 -printf '%f\n' | sort | paste -sd' '
+ as_nobody "$TOOL" status | grep -E 'syncs with|time server:|automatically|^  127'
| installed copy whole
| 1
| before-setup.plist com.quorvandel.connect com.quorvandel.connect.selftest.plist last-attempt.plist last-sync sync-now
|   syncs with 127.0.0.{n} at startup and every 30 minutes
|   time server: {*}
|   set time automatically: on
|   127.0.0.{n}
