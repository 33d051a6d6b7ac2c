# Deletions that fail stop nothing: the rest of the setup still goes, the
# settings are still put back, and remove still ends with code 0.
% sntp_script sntp-ok 'exit 0'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp-ok
% printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict></plist>\n' >"$ROOT/system-time-settings.plist" && chown nobody: "$ROOT/system-time-settings.plist"
$ install --server 10.0.0.6
| Setting up Quorvandel Connect -> 10.0.0.6, every 30 minutes
| Setting the clock from 10.0.0.6 now...
| {time} quorvandel-connect: sync against 10.0.0.6 (exit 0)
| Done. This Mac syncs with 10.0.0.6 at startup and every 30 minutes.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: synced
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
# The job folder now belongs to root: the two job files cannot be deleted.
% chown root: "$ROOT/Library/LaunchDaemons" && : >/run/quorvandel-standins/launchd/calls.log
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to 10.0.0.5 (what this Mac had before setup).
% tree; launchctl_calls
| Library
| Library/Application Support
| Library/LaunchDaemons
| Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist
| Library/PrivilegedHelperTools
| system-time-settings.plist
| var
| var/log
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest
% plist "$ROOT/system-time-settings.plist" | sed -n '/^<dict>/,/^<\/dict>/p' | tr -d '\t\n'; echo
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>
# What is left still counts as a setup; the saved settings are gone now.
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% plist "$ROOT/system-time-settings.plist" | sed -n '/^<dict>/,/^<\/dict>/p' | tr -d '\t\n'; echo
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><false/></dict>
% chown nobody: "$ROOT/Library/LaunchDaemons"
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
$ remove
| Quorvandel Connect is not set up on this Mac. Nothing was changed.
