# Any one of the seven traces of a setup is enough for remove to run in full;
# the files are looked for first, launchd is asked only when none is there.
# Each row makes one trace, removes, and shows what is left and what launchd
# was asked (every full run boots out both jobs: shown as "both bootouts").
% D=Library/LaunchDaemons; L=gui/65534/com.quorvandel.connect
+ row() {
+   (cd "$ROOT" && eval "$1") && chown -R nobody: "$ROOT" && as_nobody "$TOOL" ${2:-remove} | tail -1 | cut -c1-29
+   tree | tr '\n' ' '; echo; launchctl_calls | tr '\n' ' ' | sed "s|bootout $L.selftest bootout $L.settime.selftest|both bootouts|"
+   echo; rm -rf "$ROOT"/* && : >/run/quorvandel-standins/launchd/calls.log; }
+ row true
+ row "mkdir -p $D && touch $D/com.quorvandel.connect.selftest.plist"
+ row "mkdir -p $D && touch $D/com.quorvandel.connect.settime.selftest.plist"
+ row 'mkdir -p Library/PrivilegedHelperTools && cp "$TOOL" Library/PrivilegedHelperTools/com.quorvandel.connect' uninstall
+ row 'mkdir -p usr/local/sbin && touch usr/local/sbin/quorvandel-connect'
+ row 'mkdir -p "$STATE"'
| Quorvandel Connect is not set
|
| print gui/65534/com.quorvandel.connect.selftest print gui/65534/com.quorvandel.connect.settime.selftest 
| Removed. Time server set back
| Library Library/LaunchDaemons system-time-settings.plist 
| both bootouts 
| Removed. Time server set back
| Library Library/LaunchDaemons system-time-settings.plist 
| both bootouts 
| Removed. Time server set back
| Library Library/PrivilegedHelperTools system-time-settings.plist 
| both bootouts 
| Removed. Time server set back
| system-time-settings.plist usr usr/local usr/local/sbin 
| both bootouts 
| Removed. Time server set back
| Library Library/Application Support system-time-settings.plist 
| both bootouts 

# Only a loaded job: the sync job (bootstrapped by hand), then the
# set-the-clock job (granted, then its files deleted by hand).
% job_plist com.quorvandel.connect.selftest '' /bin/true >"$WORK/job.plist" && chmod 644 "$WORK/job.plist"
+ as_nobody launchctl bootstrap gui/65534 "$WORK/job.plist" && : >/run/quorvandel-standins/launchd/calls.log
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% launchctl_calls | tr '\n' ' '; echo; as_nobody launchctl print gui/65534/com.quorvandel.connect.selftest; echo $?
+ rm -rf "$ROOT"/* && : >/run/quorvandel-standins/launchd/calls.log
| print gui/65534/com.quorvandel.connect.selftest bootout gui/65534/com.quorvandel.connect.selftest bootout gui/65534/com.quorvandel.connect.settime.selftest 
| 113
! Could not find service "com.quorvandel.connect.selftest" in domain for user gui: 65534
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% rm -rf "$ROOT"/* && : >/run/quorvandel-standins/launchd/calls.log
$ uninstall
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% launchctl_calls | grep -c print; as_nobody launchctl print gui/65534/com.quorvandel.connect.settime.selftest >/dev/null 2>&1; echo $?
| 2
| 113
$ remove
| Quorvandel Connect is not set up on this Mac. Nothing was changed.
