# Whether a job loaded is decided by print, never by bootstrap's status.
# A bootstrap that never takes: five attempts, each judged by print and
# followed by half a second, then the trimmed words of the last bootstrap
# (the calls in their order: jobs-launchctl-detail.t).
% fault fail-bootstrap
% t0=$(date +%s%N); as_nobody "$TOOL" allow-set-time --user 65534; echo "exit $?"; ms=$(( ($(date +%s%N) - t0) / 1000000 )); [ $ms -ge 2500 ] &&
+ echo "waited at least 2.5 s"
! error: the set-the-clock job did not load (Bootstrap failed: 5: Input/output error).
| exit 1
| waited at least 2.5 s
% launchctl_calls | sort | uniq -c
|       1 bootout gui/65534/com.quorvandel.connect.settime.selftest
|       5 bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist
|       6 print gui/65534/com.quorvandel.connect.settime.selftest

# Two failed bootstraps, then one that takes: loaded on the third attempt.
% rm /run/quorvandel-standins/launchd/calls.log; fault fail-bootstrap 2; grant && launchctl_calls | cut -d' ' -f1 | paste -sd' '
| bootout print bootstrap print bootstrap print bootstrap print

# A bootstrap that complains but loads the job is a success at once.
% rm /run/quorvandel-standins/launchd/calls.log; fault bootstrap-complains; grant && launchctl_calls | cut -d' ' -f1 | paste -sd' '
| bootout print bootstrap print

# A job launchd will not let go of: print is asked 50 times, 100 ms apart,
# then bootstrap anyway; the job is there, so that counts as loaded.
% rm /run/quorvandel-standins/launchd/calls.log /run/quorvandel-standins/launchd/bootstrap-complains; fault sticky-bootout
% t0=$(date +%s%N); as_nobody "$TOOL" allow-set-time --user 65534; ms=$(( ($(date +%s%N) - t0) / 1000000 )); [ $ms -ge 4900 ] && echo "waited about 5 s"
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
| waited about 5 s
% launchctl_calls | cut -d' ' -f1 | uniq -c | paste -sd' ' | tr -s ' '
|  1 bootout 50 print 1 bootstrap 1 print
