#! sandbox: --supervise
# A revoke through the companion app, as launchd runs the set-the-clock job:
# the job answers and its line reaches the log, and only then does it take
# the grant away and boot itself out, which ends it there (SIGTERM, 15), as
# launchd ends a job that is booted out.
% grant && as_nobody "$SRC/tools/companion/quorvandel-companion" --timeout 120 revoke; echo "exit $?"; sup=/run/quorvandel-standins/supervisor.log
+ wait_for "grep -q 'ended after its bootout' $sup" && grep -o 'settime.selftest ended.*' $sup; ls "$STATE" | paste -sd' '; cat "$LOG"
| revoked this Mac asks for an administrator password again.
| exit 0
| settime.selftest ended after its bootout (15)
| set-time-audit.plist set-time-result
| {time} quorvandel-connect: set-time request from user 65534: revoked this Mac asks for an administrator password again.
