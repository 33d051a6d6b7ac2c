#! sandbox: --uptime 20
# Right after a boot a failed sync is retried 30 s later; here the server
# answers the first retry.
% script_file flaky "if [ -e '$WORK/tried' ]; then exit 0; fi; touch '$WORK/tried'; echo 'sntp: no answer from 10.0.0.5'; exit 1"
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/flaky
% as_nobody "$TOOL" sync --server 10.0.0.5 >"$WORK/out"; echo "exit $?"; cat "$WORK/out"
| exit 0
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 1)
| sntp: no answer from 10.0.0.5
| quorvandel-connect: fresh boot — retrying up to 10 min for the server...
| quorvandel-connect: boot retry 1/20
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 0)
% at() { date -d "$(sed -n "$1p" "$WORK/out" | cut -c1-20)" +%s; }; d=$(( $(at 5) - $(at 1) )); [ $d -ge 30 ] && [ $d -le 40 ] &&
+ echo "30 to 40 s apart"; ls "$STATE"
| 30 to 40 s apart
| last-attempt.plist
| last-sync
