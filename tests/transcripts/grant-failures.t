# The set-the-clock job does not load: the error carries launchctl's words,
# and what the grant wrote stays in place.
% fault fail-bootstrap 5
$ allow-set-time --user 65534
! error: the set-the-clock job did not load (Bootstrap failed: 5: Input/output error).
? 1
% tree | grep -E 'Connect/|Daemons/'
| Library/Application Support/Quorvandel Connect/set-time-grant.plist
| Library/Application Support/Quorvandel Connect/set-time-request
| Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist

# The request file cannot be made (the state folder is not the caller's):
# the error names it, and neither the grant nor the job is written.
% rm -r "$ROOT/Library/LaunchDaemons" "$STATE" && mkdir "$STATE"
$ allow-set-time --user 65534
! error: cannot create {root}/Library/Application Support/Quorvandel Connect/set-time-request.
? 1
% tree | grep ^Library | paste -sd' '
| Library Library/Application Support Library/Application Support/Quorvandel Connect Library/PrivilegedHelperTools Library/PrivilegedHelperTools/com.quorvandel.connect
