# Whether a job loaded is decided by print, never by bootstrap's status.
# Two failed bootstraps, then one that takes: loaded on the third attempt.
% fault fail-bootstrap 2
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% launchctl_calls | cut -d' ' -f1 | paste -sd' '
| bootout print bootstrap print bootstrap print bootstrap print

# A bootstrap that complains but loads the job is a success at once.
% rm /run/quorvandel-standins/launchd/calls.log; fault bootstrap-complains
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% launchctl_calls | cut -d' ' -f1 | paste -sd' '
| bootout print bootstrap print

# A job launchd will not let go of: print is asked 50 times, 100 ms apart,
# then bootstrap anyway; the job is there, so that counts as loaded.
% rm /run/quorvandel-standins/launchd/calls.log /run/quorvandel-standins/launchd/bootstrap-complains; fault sticky-bootout
% t0=$(date +%s%N); as_nobody "$TOOL" allow-set-time --user 65534; ms=$(( ($(date +%s%N) - t0) / 1000000 )); [ $ms -ge 4900 ] && echo "waited about 5 s"
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
| waited about 5 s
% launchctl_calls | cut -d' ' -f1 | uniq -c | paste -sd' ' | tr -s ' '
|  1 bootout 50 print 1 bootstrap 1 print
