# set-time can grant a user first. A bad id stops it before anything changes.
$ set-time 2026-10-09T21:07:38Z --allow-user 4242
! error: "4242" is not a user of this Mac (give the numeric id; root does not need this).
? 1
% tree; launchctl_calls

# A good id is granted (its line comes first), then the time is set.
$ set-time 2026-10-09T21:07:38Z --allow-user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
| {time} quorvandel-connect: clock set to 2026-10-09T21:07:38Z (self-test: not really)

# A time before the last sync: the grant is made, the time refused.
% printf '1791580058\n' >"$STATE/last-sync" && rm "$STATE/set-time-grant.plist" "$ROOT/clock-set-to"
$ set-time 2026-10-09T21:07:37Z --allow-user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
! 2026-10-09T21:07:37Z is earlier than this Mac's last sync (2026-10-09T21:07:38Z). The clock was not changed.
? 1
% ls -A "$STATE" | paste -sd' '; test -e "$ROOT/clock-set-to" || echo "clock untouched"
| last-sync set-time-audit.plist set-time-grant.plist set-time-request
| clock untouched
