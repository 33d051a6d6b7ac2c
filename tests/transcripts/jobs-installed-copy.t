# The jobs run a copy of the tool at a fixed place: copied whole over
# whatever was there (made 755 and quarantine cleared: install-lifecycle.t).
% mkdir -p "$ROOT/Library/PrivilegedHelperTools" && echo stale >"$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect" &&
+ chmod 600 "$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect" && chown -R nobody:nogroup "$ROOT/Library" && grant
% cd "$ROOT/Library/PrivilegedHelperTools" && cmp "$TOOL" com.quorvandel.connect && ls -A
| com.quorvandel.connect

# Run from the installed copy itself: nothing is copied, but the mode is set
# and the quarantine cleared all the same.
% cd "$ROOT/Library/PrivilegedHelperTools" && chmod 700 com.quorvandel.connect && stat -c %i com.quorvandel.connect >"$WORK/inode"
+ rm /run/quorvandel-standins/xattr/calls.log
% as_nobody "$ROOT/Library/PrivilegedHelperTools/com.quorvandel.connect" allow-set-time --user 65534 >/dev/null
+ cd "$ROOT/Library/PrivilegedHelperTools" && [ "$(stat -c %i com.quorvandel.connect)" = "$(cat "$WORK/inode")" ] && echo "same file"
+ mode com.quorvandel.connect; cat /run/quorvandel-standins/xattr/calls.log
| same file
| 755 nobody:nogroup
| -dr com.apple.quarantine {root}/Library/PrivilegedHelperTools/com.quorvandel.connect
