# Taking away a grant that was never made succeeds and changes nothing.
$ forbid-set-time
| Setting the clock from Quorvandel Connect asks for an administrator password again.
% tree; launchctl_calls
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# User texts that are not the numeric id of a user other than root are
# refused before anything changes, also when a grant exists.
% grant
% find "$ROOT" -printf '%P %m %u %s %T@\n' | sort >"$WORK/before"; launchctl_calls >>"$WORK/before"
% for u in 0 +0 root nobody -5 501x ' 65534' '' + 4294967296 4295032830 4294967295 4242; do
+   as_nobody "$TOOL" allow-set-time --user "$u" 2>&1 | grep -Fxc "error: \"$u\" is not a user of this Mac (give the numeric id; root does not need this)."
+ done | uniq -c
|      13 1
$ allow-set-time --user 4242
! error: "4242" is not a user of this Mac (give the numeric id; root does not need this).
? 1
% find "$ROOT" -printf '%P %m %u %s %T@\n' | sort | cat - /run/quorvandel-standins/launchd/calls.log | diff "$WORK/before" - && echo "nothing changed"
| nothing changed
