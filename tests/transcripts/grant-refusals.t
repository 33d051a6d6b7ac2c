# Taking away a grant that was never made succeeds and changes nothing.
$ forbid-set-time
| Setting the clock from Quorvandel Connect asks for an administrator password again.
% tree; launchctl_calls
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# User texts that are not the numeric id of a user other than root are
# refused before anything changes, also when a grant exists.
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% find "$ROOT" -printf '%P %m %u %s %T@\n' | sort >"$WORK/before"; launchctl_calls >>"$WORK/before"
$ allow-set-time --user 0
! error: "0" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user +0
! error: "+0" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user root
! error: "root" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user nobody
! error: "nobody" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user -5
! error: "-5" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user 501x
! error: "501x" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user ' 65534'
! error: " 65534" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user ''
! error: "" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user +
! error: "+" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user 4294967296
! error: "4294967296" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user 4295032830
! error: "4295032830" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user 4294967295
! error: "4294967295" is not a user of this Mac (give the numeric id; root does not need this).
? 1
$ allow-set-time --user 4242
! error: "4242" is not a user of this Mac (give the numeric id; root does not need this).
? 1
% find "$ROOT" -printf '%P %m %u %s %T@\n' | sort | cat - /run/quorvandel-standins/launchd/calls.log | diff "$WORK/before" - && echo "nothing changed"
| nothing changed
