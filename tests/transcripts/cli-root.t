# Every privileged command refuses an ordinary user outside test mode and
# names itself in the hint; nothing runs.
% for c in 'install --server 10.0.0.5 --interval 30' remove uninstall 'sync --server 10.0.0.5' \
+   'set-time 2026-10-09T21:07:38Z' 'set-time --allow-user 501' 'allow-set-time --user 501' allow-set-time \
+   forbid-set-time set-time-from-request; do o=$(as_user "$TOOL" $c 2>&1); echo "$? $(echo "$o" | sed -n 2p)"; done
| 1   sudo "{tool}" install
| 1   sudo "{tool}" remove
| 1   sudo "{tool}" remove
| 1   sudo "{tool}" sync --server 10.0.0.5
| 1   sudo "{tool}" set-time 2026-10-09T21:07:38Z
| 1   sudo "{tool}" set-time --allow-user
| 1   sudo "{tool}" allow-set-time --user <id>
| 1   sudo "{tool}" allow-set-time --user <id>
| 1   sudo "{tool}" forbid-set-time
| 1   sudo "{tool}" set-time-from-request
% launchctl_calls

# The hint names the tool by its absolute path, normalised without the file
# system, and not resolved: here the path is a link to the tool.
% mkdir -p "$WORK/bin" "$WORK/x" && ln -s "$TOOL" "$WORK/bin/quorvandel-connect" && chmod -R a+rX "$WORK"
% cd "$WORK/x" && as_user ./../bin/./quorvandel-connect remove
! This needs root. Re-run with sudo, e.g.:
!   sudo "{work}/bin/quorvandel-connect" remove
? 1

# Run by bare name from a folder that holds another file of its name, the
# hint names the running program as the kernel knows it, never that file.
% mkdir "$WORK/p" && touch "$WORK/p/quorvandel-connect" && cd "$WORK/p" && as_user env PATH="$BUILD:/bin" quorvandel-connect remove 2>&1 | sed 1d
|   sudo "{tool}" remove

# (Test mode passes every root check for an ordinary user: the "$" lines of
# every other transcript.)

# Root never enters test mode: the test root in its environment is ignored.
% QUORVANDEL_CONNECT_TEST_ROOT="$ROOT" "$TOOL" status | sed -n '2p;/configured/{n;p}'; launchctl_calls | tail -1; tree
|   not set up
|   time.apple.com
| print system/com.quorvandel.connect
