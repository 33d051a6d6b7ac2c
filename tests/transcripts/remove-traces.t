# Any one of the seven traces of a setup is enough for remove to run in full;
# the files are looked for first, launchd is asked only when none is there.
% printf '%s\n' 'rm -rf "$ROOT"/* && : >/run/quorvandel-standins/launchd/calls.log' >"$WORK/reset"
% printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>Label</key><string>com.quorvandel.connect.selftest</string><key>ProgramArguments</key><array><string>/bin/true</string></array></dict></plist>\n' >"$WORK/sync-job.plist" && chmod 644 "$WORK/sync-job.plist"

# None: nothing is touched, not even the settings store.
$ remove
| Quorvandel Connect is not set up on this Mac. Nothing was changed.
% tree; launchctl_calls; sh "$WORK/reset"
| print gui/65534/com.quorvandel.connect.selftest
| print gui/65534/com.quorvandel.connect.settime.selftest

# The sync job's property list.
% mkdir -p "$ROOT/Library/LaunchDaemons" && touch "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist" && chown -R nobody: "$ROOT/Library"
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% tree; launchctl_calls; sh "$WORK/reset"
| Library
| Library/LaunchDaemons
| system-time-settings.plist
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# The set-the-clock job's property list.
% mkdir -p "$ROOT/Library/LaunchDaemons" && touch "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist" && chown -R nobody: "$ROOT/Library"
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% tree; launchctl_calls; sh "$WORK/reset"
| Library
| Library/LaunchDaemons
| system-time-settings.plist
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# The installed copy.
% mkdir -p "$ROOT/Library/PrivilegedHelperTools" && cp "$TOOL" "$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect" && chown -R nobody: "$ROOT/Library"
$ uninstall
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% tree; launchctl_calls; sh "$WORK/reset"
| Library
| Library/PrivilegedHelperTools
| system-time-settings.plist
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# The older install location.
% mkdir -p "$ROOT/usr/local/sbin" && touch "$ROOT/usr/local/sbin/quorvandel-connect" && chown -R nobody: "$ROOT/usr"
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% tree; launchctl_calls; sh "$WORK/reset"
| system-time-settings.plist
| usr
| usr/local
| usr/local/sbin
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# An empty state folder.
% mkdir -p "$STATE" && chown -R nobody: "$ROOT/Library"
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% tree; launchctl_calls; sh "$WORK/reset"
| Library
| Library/Application Support
| system-time-settings.plist
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# The sync job loaded, without any file.
% as_nobody launchctl bootstrap gui/65534 "$WORK/sync-job.plist" && : >/run/quorvandel-standins/launchd/calls.log
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% tree; launchctl_calls; as_nobody launchctl print gui/65534/com.quorvandel.connect.selftest >/dev/null 2>&1; echo $?; sh "$WORK/reset"
| system-time-settings.plist
| print gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest
| 113

# Only the set-the-clock job loaded: granted, then its files deleted by hand.
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% sh "$WORK/reset"
$ uninstall
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% tree; launchctl_calls; as_nobody launchctl print gui/65534/com.quorvandel.connect.settime.selftest >/dev/null 2>&1; echo $?; sh "$WORK/reset"
| system-time-settings.plist
| print gui/65534/com.quorvandel.connect.selftest
| print gui/65534/com.quorvandel.connect.settime.selftest
| bootout gui/65534/com.quorvandel.connect.selftest
| bootout gui/65534/com.quorvandel.connect.settime.selftest
| 113
$ remove
| Quorvandel Connect is not set up on this Mac. Nothing was changed.
