# Every privileged command refuses an ordinary user outside test mode and
# names itself in the hint; nothing runs.
$[user] install --server 10.0.0.5 --interval 30
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" install
? 1
$[user] remove
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" remove
? 1
$[user] uninstall
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" remove
? 1
$[user] sync --server 10.0.0.5
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" sync --server 10.0.0.5
? 1
$[user] set-time 2026-10-09T21:07:38Z
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" set-time 2026-10-09T21:07:38Z
? 1
$[user] set-time --allow-user 501
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" set-time --allow-user
? 1
$[user] allow-set-time --user 501
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" allow-set-time --user <id>
? 1
$[user] allow-set-time
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" allow-set-time --user <id>
? 1
$[user] forbid-set-time
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" forbid-set-time
? 1
$[user] set-time-from-request
! This needs root. Re-run with sudo, e.g.:
!   sudo "{tool}" set-time-from-request
? 1
% launchctl_calls

# The hint names the tool by its absolute path, normalised without the file system.
% mkdir -p "$WORK/bin" "$WORK/x" && cp "$TOOL" "$WORK/bin/quorvandel-connect" && chmod -R a+rX "$WORK"
% cd "$WORK/x" && as_user ./../bin/./quorvandel-connect remove
! This needs root. Re-run with sudo, e.g.:
!   sudo "{work}/bin/quorvandel-connect" remove
? 1

# Test mode passes every root check for an ordinary user.
$ forbid-set-time
| Setting the clock from Quorvandel Connect asks for an administrator password again.
% launchctl_calls
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# Root never enters test mode: the test root in its environment is ignored.
$[root] status
| == this Mac ==
|   not set up
| == launchd service ==
|   (not loaded)
| == time settings before setup ==
|   (no record)
| == last sync ==
|   (none recorded)
| == without a password ==
|   sync now: no (set up again to add it)
|   set the clock: nobody
| == configured time server ==
|   time.apple.com
| == last log lines ==
|   (no log yet)
% launchctl_calls | tail -1; tree
| print system/com.quorvandel.connect
