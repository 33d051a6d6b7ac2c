# Any one of the seven traces of a setup is enough for remove to run in full;
# the files are looked for first, launchd is asked only when none is there.
# Each row makes one trace, removes, and shows on one line what remove said,
# what is left and what launchd was asked (every full run boots out both
# jobs: shown as "both bootouts").
# A failed sync and a refused set-time on a Mac never set up record nothing
# (their records never make the state folder). A link at the older install
# location counts when it leads to a file, not when it leads nowhere. The last two: only a loaded job, the sync job
# (bootstrapped by hand), then the set-the-clock job (granted, then its files
# deleted by hand).
% D=Library/LaunchDaemons; L=gui/65534/com.quorvandel.connect; C=/run/quorvandel-standins/launchd/calls.log
+ job_plist com.quorvandel.connect.selftest '' /bin/true >"$WORK/job.plist" && chmod 644 "$WORK/job.plist"
+ row() {
+   (cd "$ROOT" && eval "$1") && chown -R nobody: "$ROOT" && { as_nobody "$TOOL" ${2:-remove} | tail -1 | cut -c1-29; tree; launchctl_calls; } |
+   paste -sd' ' | sed "s|bootout $L.selftest bootout $L.settime.selftest|both bootouts|"; rm -rf "$ROOT"/* && : >$C; }
+ row true
+ row '{ as_nobody env QUORVANDEL_CONNECT_TEST_SNTP=/bin/false "$TOOL" sync --server x; as_nobody "$TOOL" set-time x; } >/dev/null 2>&1; :'
+ row "mkdir -p $D && touch $D/com.quorvandel.connect.selftest.plist"
+ row "mkdir -p $D && touch $D/com.quorvandel.connect.settime.selftest.plist"
+ row 'mkdir -p Library/PrivilegedHelperTools && cp "$TOOL" Library/PrivilegedHelperTools/com.quorvandel.connect' uninstall
+ row 'mkdir -p usr/local/sbin && touch usr/local/sbin/quorvandel-connect'
+ row 'mkdir -p usr/local/sbin && ln -s "$TOOL" usr/local/sbin/quorvandel-connect'
+ row 'mkdir -p usr/local/sbin && ln -s /nowhere usr/local/sbin/quorvandel-connect'
+ row 'mkdir -p "$STATE"'
+ row 'as_nobody launchctl bootstrap gui/65534 "$WORK/job.plist" && : >$C'
+ row 'as_nobody "$TOOL" allow-set-time --user 65534 >/dev/null && rm -rf "$ROOT"/* && : >$C' uninstall
| Quorvandel Connect is not set print gui/65534/com.quorvandel.connect.selftest print gui/65534/com.quorvandel.connect.settime.selftest
| Quorvandel Connect is not set print gui/65534/com.quorvandel.connect.selftest print gui/65534/com.quorvandel.connect.settime.selftest
| Removed. Time server set back Library Library/LaunchDaemons system-time-settings.plist both bootouts
| Removed. Time server set back Library Library/LaunchDaemons system-time-settings.plist both bootouts
| Removed. Time server set back Library Library/PrivilegedHelperTools system-time-settings.plist both bootouts
| Removed. Time server set back system-time-settings.plist usr usr/local usr/local/sbin both bootouts
| Removed. Time server set back system-time-settings.plist usr usr/local usr/local/sbin both bootouts
| Quorvandel Connect is not set usr usr/local usr/local/sbin usr/local/sbin/quorvandel-connect print gui/65534/com.quorvandel.connect.selftest print gui/65534/com.quorvandel.connect.settime.selftest
| Removed. Time server set back Library Library/Application Support system-time-settings.plist both bootouts
| Removed. Time server set back system-time-settings.plist print gui/65534/com.quorvandel.connect.selftest both bootouts
| Removed. Time server set back system-time-settings.plist print gui/65534/com.quorvandel.connect.selftest print gui/65534/com.quorvandel.connect.settime.selftest both bootouts
