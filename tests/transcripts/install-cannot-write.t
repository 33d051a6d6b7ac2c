# The job's property list cannot be written: install names that file, ends
# with code 1 and loads nothing (the other folders that can fail:
# jobs-cannot-write.t).
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
# The job folder cannot be created in a Library folder that belongs to root.
% mkdir -p "$ROOT/Library/PrivilegedHelperTools" "$STATE" && chown -R nobody: "$ROOT/Library" && chown root: "$ROOT/Library"
$ install --server 10.0.0.5
| Setting up Quorvandel Connect -> 10.0.0.5, every 30 minutes
! error: cannot write {root}/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist: Permission denied
? 1
% launchctl_calls; ls "$ROOT/Library" | paste -sd' '
| Application Support PrivilegedHelperTools

