# Started by bare name through PATH, the tool cannot find its own file:
# it says so and changes nothing.
% mkdir "$WORK/bin" && cp "$TOOL" "$WORK/bin/quorvandel-connect" && chmod -R a+rX "$WORK/bin"
% as_nobody env PATH="$WORK/bin:/usr/bin:/bin" quorvandel-connect allow-set-time --user 65534; echo "exit $?"
! error: can't locate this tool at {work}/quorvandel-connect. Run install with its full path.
| exit 1
% tree; launchctl_calls

# The copy's folder cannot be made, or the copy cannot be written there.
% mkdir "$ROOT/Library" && touch "$ROOT/Library/PrivilegedHelperTools" && chown -R nobody:nogroup "$ROOT/Library"
$ allow-set-time --user 65534
! error: could not install binary to {root}/Library/PrivilegedHelperTools/com.quorvandel.connect: File exists
? 1
% rm "$ROOT/Library/PrivilegedHelperTools" && mkdir "$ROOT/Library/PrivilegedHelperTools"
$ allow-set-time --user 65534
! error: could not install binary to {root}/Library/PrivilegedHelperTools/com.quorvandel.connect: Permission denied
? 1
% tree | paste -sd' '; launchctl_calls
| Library Library/PrivilegedHelperTools

# A copy that cannot run (its folder mounted noexec) is reported with the
# code -1 and the quarantine hint, and stays in place.
% mount -t tmpfs -o noexec,mode=755 tmpfs "$ROOT/Library/PrivilegedHelperTools" && chown nobody:nogroup "$ROOT/Library/PrivilegedHelperTools"
$ allow-set-time --user 65534
! error: installed binary at {root}/Library/PrivilegedHelperTools/com.quorvandel.connect did not execute (code -1). On an offline Mac, Gatekeeper may block it — run 'xattr -dr com.apple.quarantine {root}/Library/PrivilegedHelperTools/com.quorvandel.connect' and retry.
? 1
% tree | paste -sd' '; launchctl_calls
| Library Library/PrivilegedHelperTools Library/PrivilegedHelperTools/com.quorvandel.connect
