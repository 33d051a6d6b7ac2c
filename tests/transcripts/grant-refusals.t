# Taking away a grant that was never made succeeds and changes nothing.
$ forbid-set-time
| Setting the clock from Quorvandel Connect asks for an administrator password again.
% tree; launchctl_calls
| bootout gui/65534/com.quorvandel.connect.settime.selftest

# User texts that are not the numeric id of a user other than root are
# refused before anything changes, also when a grant exists.
% grant
% find "$ROOT" -printf '%P %m %u %s %T@\n' | sort >"$WORK/before"; launchctl_calls >>"$WORK/before"
# Each ends with code 1, nothing on standard output and this line on standard error.
% for u in 0 +0 root nobody -5 501x ' 65534' '' + 4294967296 4295032830 4294967295 4242; do
+   o=$(as_nobody "$TOOL" allow-set-time --user "$u" 2>&1 >"$WORK/out")
+   [ "$?:$o" = "1:error: \"$u\" is not a user of this Mac (give the numeric id; root does not need this)." ] &&
+   [ ! -s "$WORK/out" ] && echo refused; done | uniq -c
|      13 refused
% find "$ROOT" -printf '%P %m %u %s %T@\n' | sort | cat - /run/quorvandel-standins/launchd/calls.log | diff "$WORK/before" - && echo "nothing changed"
| nothing changed
