#! sandbox: --supervise
# The scripts of fleet/ as a management system runs them, their macOS paths
# moved under the test root, on a Mac laid out as the package of
# docs/deploying.md lays it out: from Installer's files and the postinstall,
# through every state of health, to the uninstall script. The supervisor
# runs the sync job at load as launchd does; its line in the log is waited for.
% start_ntp
= QUORVANDEL_CONNECT_TEST_SNTP=/usr/bin/sntp
% cd "$WORK" && for f in health-attribute.sh version-attribute.sh compliance-check.sh postinstall uninstall.sh; do
+   sed "s#\([ \"]\)/\(Library\|Applications\|usr/local\|private\)/#\1$ROOT/\2/#g; s#/usr/sbin/pkgutil#$WORK/pkgutil#" "$SRC/fleet/$f" >$f; done
+ sed -i 's/^server=.*/server=127.0.0.1/' postinstall && mkdir -p "$ROOT/var/db/receipts" && chown -R nobody: "$ROOT/var"
+ script_file pkgutil "cd $ROOT/var/db/receipts && [ -e \$2.plist ] || exit 1; [ \$1 = --pkg-info ] || { rm \$2.* && echo \"Forgot package '\$2' on '/'.\"; }"

# Only the app's copy, which gives no report; then the package's files too, as
# Installer lays them out before the postinstall runs.
% app="$ROOT/Applications/Quorvandel Connect.app/Contents/Helpers" && mkdir -p "$app" && printf '#!/bin/sh\n' >"$app/quorvandel-connect"
+ chmod 755 "$app/quorvandel-connect" && fleet_view && cd "$ROOT" && mkdir -p usr/local/bin usr/local/share/man/man8 private/etc/newsyslog.d
+ cp "$TOOL" usr/local/bin/ && cp "$BUILD/quorvandel-connect.8" usr/local/share/man/man8/ && cp "$SRC"/fleet/newsyslog.d/* private/etc/newsyslog.d/
+ touch var/db/receipts/com.example.quorvandel-connect.bom var/db/receipts/com.example.quorvandel-connect.plist && rm -r Applications
+ chown -R nobody: usr private && fleet_view
| <result>error</result> <result>error</result> Quorvandel Connect: error 1
| <result>not-set-up</result> <result>{n}.{n}.{n}</result> Quorvandel Connect: not-set-up 1

# The postinstall sets up only the Mac it runs on, then leaves the package's
# copy in place; from then on the copy the daemons run answers, not the package's.
% as_nobody sh "$WORK/postinstall" "$WORK/q.pkg" / /Volumes/Other; as_nobody sh "$WORK/postinstall" "$WORK/q.pkg" / / | tail -n 1
+ wait_for "grep -q 'sync against 127.0.0.1 (exit 0)' '$LOG'" && [ -x "$ROOT/usr/local/bin/quorvandel-connect" ]
+ printf '#!/bin/sh\n' >"$ROOT/usr/local/bin/quorvandel-connect" && fleet_view
| quorvandel-connect: installed on /Volumes/Other, not on this Mac's startup volume: run install on that Mac
| quorvandel-connect-result: synced
| <result>ok</result> <result>{n}.{n}.{n}</result> 0

# The Mac pointed elsewhere behind the tool's back; the last sync too old; a
# server that does not answer; no sync at all; the job unloaded.
% settings_store "$(settings 10.0.0.7 true)" && fleet_view
+ settings_store "$(settings 127.0.0.1 true)" && echo $(( $(date +%s) - 3901 )) >"$STATE/last-sync" && fleet_view
+ as_nobody "$TOOL" install --server 127.0.0.9 >/dev/null; wait_for "grep -q 'sync against 127.0.0.9 (exit 1)' '$LOG'" && fleet_view
+ rm "$STATE/last-sync" && fleet_view; as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest; fleet_view
| <result>overridden</result> <result>{n}.{n}.{n}</result> Quorvandel Connect: overridden 1
| <result>stale</result> <result>{n}.{n}.{n}</result> Quorvandel Connect: stale 1
| <result>failing</result> <result>{n}.{n}.{n}</result> Quorvandel Connect: failing 1
| <result>never-synced</result> <result>{n}.{n}.{n}</result> Quorvandel Connect: never-synced 1
| <result>job-not-loaded</result> <result>{n}.{n}.{n}</result> Quorvandel Connect: job-not-loaded 1

# The uninstall script: without root it stops at remove; with it, it leaves
# nothing of the setup or the package but the log.
% as_user sh "$WORK/uninstall.sh"; echo "exit $?" $(ls "$ROOT/usr/local/bin")
! This needs root. Re-run with sudo, e.g.:
!   sudo "{root}/Library/PrivilegedHelperTools/com.quorvandel.connect" remove
| exit 1 quorvandel-connect
% as_nobody sh "$WORK/uninstall.sh" && fleet_view && find "$ROOT" -type f -printf '%P\n' | sort | paste -sd' '
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
| Forgot package 'com.example.quorvandel-connect' on '/'.
| <result>not-installed</result> <result>not-installed</result> Quorvandel Connect: not-installed 1
| mac-calls system-time-settings.plist var/log/quorvandel-connect.log

# The log's rotation: newsyslog.conf's syntax, and the mode the log has.
% conf="$SRC/fleet/newsyslog.d/com.quorvandel.connect.conf" && "$SRC/scripts/check-newsyslog" "$conf" && echo $(grep -v '^#' "$conf") / $(mode "$LOG")
| /var/log/quorvandel-connect.log root:wheel 644 5 1024 $W0D0 JN / 644 nobody:nogroup
