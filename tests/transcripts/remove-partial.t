# Deletions that fail stop nothing: the rest of the setup still goes, the
# settings are still put back, and remove still ends with code 0.
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% settings_store "$(settings 10.0.0.5 false)" && as_nobody "$TOOL" install --server 10.0.0.6 | tail -1
+ as_nobody "$TOOL" allow-set-time --user 65534 >/dev/null
| quorvandel-connect-result: synced
# The job folder now belongs to root: the two job files cannot be deleted.
% chown root: "$ROOT/Library/LaunchDaemons" && : >/run/quorvandel-standins/launchd/calls.log
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to 10.0.0.5 (what this Mac had before setup).
% tree | grep -i quorvandel; launchctl_calls
| Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest
% settings_now
| 10.0.0.5 false
