# A job file that cannot be written ends the command before anything is
# loaded; the message names the job file, whichever folder failed.
% mkdir -p "$ROOT/Library" && touch "$ROOT/Library/LaunchDaemons" && chown -R nobody:nogroup "$ROOT/Library"
$ allow-set-time --user 65534
! error: cannot write {root}/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist: File exists
? 1

# The log's folder cannot be made.
% rm "$ROOT/Library/LaunchDaemons"; touch "$ROOT/var"
$ allow-set-time --user 65534
! error: cannot write {root}/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist: File exists
? 1

# The job's folder is there but not writable: the atomic write fails and
# leaves nothing behind.
% rm "$ROOT/var"; chown root "$ROOT/Library/LaunchDaemons"
$ allow-set-time --user 65534
! error: cannot write {root}/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist: Permission denied
? 1
% launchctl_calls; ls -A "$ROOT/Library/LaunchDaemons"
