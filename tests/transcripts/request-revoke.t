# "revoke" takes the grant away on the user's own request. A stale one is
# answered like any stale request and the grant stays.
% grant

% request 'revoke eeee0001\n' && age "$STATE/set-time-request" 35
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: refused the request was not made just now.
% ls -A "$STATE" | paste -sd' '; launchctl_calls | tail -1
| set-time-audit.plist set-time-grant.plist set-time-request set-time-result
| print gui/65534/com.quorvandel.connect.settime.selftest

# A fresh revoke: answered, then the grant file, the request file and the
# job's property list are gone and the job is unloaded; the answer and the
# audit stay.
% request 'revoke eeee0002\n'
$ set-time-from-request
| {time} quorvandel-connect: set-time request from user 65534: revoked this Mac asks for an administrator password again.
% tree | grep -E 'Connect/|Daemons/'; cat "$STATE/set-time-result"; launchctl_calls | tail -1
| Library/Application Support/Quorvandel Connect/set-time-audit.plist
| Library/Application Support/Quorvandel Connect/set-time-result
| eeee0002 revoked this Mac asks for an administrator password again.
| bootout gui/65534/com.quorvandel.connect.settime.selftest
# (Without a grant the job serves nothing: request-origin.)
