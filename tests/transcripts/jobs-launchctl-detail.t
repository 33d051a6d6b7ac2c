# The detail of a failed load is the last bootstrap's output, trimmed of
# blanks and line breaks at both ends only, its controls escaped. (A launchctl of our own is laid
# over the stand-in for this.)
% script_file launchctl "echo \"\$*\" >>'$WORK/calls'; [ \"\$1\" = bootstrap ] || exit 113
+ printf ' \n\t\302\240Bootstrap failed: 5: Input/output error\033[2J\nTry running as root for richer errors.\r\n\342\200\250\n\n'; exit 5"
% mount --bind "$WORK/launchctl" /usr/bin/launchctl
$ allow-set-time --user 65534
! error: the set-the-clock job did not load (Bootstrap failed: 5: Input/output error\x1b[2J
! Try running as root for richer errors.).
? 1
% cut -d' ' -f1 "$WORK/calls" | paste -sd' '
| bootout print bootstrap print bootstrap print bootstrap print bootstrap print bootstrap print

# A launchctl that cannot start: no waiting for the unload, five attempts,
# and the reason the program did not run.
% umount /usr/bin/launchctl; chmod 644 "$WORK/launchctl"; mount --bind "$WORK/launchctl" /usr/bin/launchctl
$ allow-set-time --user 65534
! error: the set-the-clock job did not load (could not run /bin/launchctl: Permission denied).
? 1
