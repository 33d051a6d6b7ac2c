# A complete setup, set-the-clock grant included, is removed: both jobs are
# unloaded before any file goes, every file of the setup goes, and the log,
# the folders above, the settings store and the clock file stay.
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% as_nobody "$TOOL" install --server 10.0.0.5 --interval 600 >/dev/null && as_nobody "$TOOL" allow-set-time --user 65534 >/dev/null
+ as_nobody "$TOOL" set-time 2030-01-01T00:00:00Z >/dev/null
# What an older version left, and what the jobs wrote.
% mkdir -p "$ROOT/usr/local/sbin" && echo old >"$ROOT/usr/local/sbin/quorvandel-connect" && echo "a line" >"$LOG" && chown -R nobody: "$ROOT/usr" "$ROOT/var"
% touch "$STATE/set-time-result" && chown nobody: "$STATE/set-time-result"
% cd "$ROOT" && cp -p system-time-settings.plist clock-set-to var/log/quorvandel-connect.log "$WORK/" && : >/run/quorvandel-standins/launchd/calls.log
% tree | wc -l
| 24

# The order of events, from the system calls of the tool and its children:
# the unloads, then the deletions, the settings put back, the state folder
# last (its contents go in any order).
% cd "$WORK" &&
+ as_nobody env ASAN_OPTIONS=detect_leaks=0 strace -f -qq -s 512 -o "$WORK/trace" -e trace=execve,unlink,unlinkat,rename,renameat,renameat2,rmdir "$TOOL" remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% sed -n -e 's|^[0-9]* *execve("/bin/launchctl", \["[^"]*", \(.*\)\], .*|launchctl \1|p' -e 's#^[0-9]* *\(unlink\|rmdir\)("'"$ROOT"'/\([^"]*\)").*#\1 \2#p' \
+   -e 's|^[0-9]* *rename[a-z0-9]*(.*"'"$ROOT"'/\([^"]*\)".*|rename to \1|p' "$WORK/trace" | grep -v '^unlink Library/Application Support/Quorvandel Connect/'
| launchctl "bootout", "gui/65534/com.quorvandel.connect.selftest"
| launchctl "bootout", "gui/65534/com.quorvandel.connect.settime.selftest"
| unlink Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist
| unlink Library/LaunchDaemons/com.quorvandel.connect.selftest.plist
| unlink Library/PrivilegedHelperTools/com.quorvandel.connect
| unlink usr/local/sbin/quorvandel-connect
| rename to system-time-settings.plist
| rmdir Library/Application Support/Quorvandel Connect
% tree | paste -sd' '
| Library Library/Application Support Library/LaunchDaemons Library/PrivilegedHelperTools clock-set-to system-time-settings.plist usr usr/local usr/local/sbin var var/log var/log/quorvandel-connect.log
% cd "$ROOT" && cmp clock-set-to "$WORK/clock-set-to" && cmp var/log/quorvandel-connect.log "$WORK/quorvandel-connect.log" && echo unchanged
| unchanged
# Put back: the default server, with automatic time left as install set it.
% settings_now
| time.apple.com true
