# Status on a Mac that was never set up: every section has its fallback line
# (the headings: install-lifecycle.t). Only root, or test mode, sees the
# configured time server (which line of systemsetup's answer counts: the
# SystemsetupOutput unit tests).
% as_user "$TOOL" status | grep -v '^==' | sed 's/^ *//' | paste -sd';'
| not set up;(not loaded);(no record);(none recorded);sync now: no (set up again to add it);set the clock: nobody;(no log yet)
# Asked launchd once; never ran systemsetup.
% launchctl_calls; ls /run/quorvandel-standins/systemsetup
| print system/com.quorvandel.connect

# Test mode with no settings store: nothing to read. Root, with systemsetup
# saying nothing useful, the same as test mode. Both differ from the above
# only there.
% as_user "$TOOL" status >"$WORK/user"; as_nobody "$TOOL" status >"$WORK/test-mode"
+ printf 'Error: the time service is busy.\nNetwork Time: On\n' >/run/quorvandel-standins/systemsetup/output
+ setpriv --clear-groups env -i PATH=/usr/bin:/bin "$TOOL" status | cmp - "$WORK/test-mode" && diff "$WORK/user" "$WORK/test-mode" || :
| 11a12,13
| > == configured time server ==
| >   (could not read)
$[root] status --json
| {"schema":1,"version":"{version}","setUp":false,"server":null,"intervalSeconds":null,"job":{"loaded":false,"state":null,"runIntervalSeconds":null},"beforeSetup":null,"lastSync":null,"lastAttempt":null,"offsetSeconds":null,"consecutiveFailures":0,"failingSince":null,"syncNow":false,"setTimeUser":null,"setTimeRequests":[],"setTimeRequestCounts":{"ok":0,"refused":0},"configuredTimeServer":null,"logTail":null,"health":"not-set-up"}
