# A bootstrap that never takes: five attempts, each judged by print and
# followed by half a second, then the trimmed words of the last bootstrap.
% fault fail-bootstrap
% t0=$(date +%s%N); as_nobody "$TOOL" allow-set-time --user 65534; echo "exit $?"; ms=$(( ($(date +%s%N) - t0) / 1000000 )); [ $ms -ge 2500 ] &&
+ echo "waited at least 2.5 s"
! error: the set-the-clock job did not load (Bootstrap failed: 5: Input/output error).
| exit 1
| waited at least 2.5 s
% launchctl_calls | cut -d' ' -f1 | paste -sd' '; launchctl_calls | sort | uniq -c
| bootout print bootstrap print bootstrap print bootstrap print bootstrap print bootstrap print
|       1 bootout gui/65534/com.quorvandel.connect.settime.selftest
|       5 bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist
|       6 print gui/65534/com.quorvandel.connect.settime.selftest
