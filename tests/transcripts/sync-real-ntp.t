# Sync against a real NTP server with Debian's real client, which only
# queries (test mode passes the server alone, never -sS): without a stand-in,
# test mode runs /usr/bin/sntp. (The record itself: sync-record; that a
# failure keeps it: sync-output.)
% start_ntp
$ sync --server 127.0.0.1
| {time} quorvandel-connect: sync against 127.0.0.1 (exit 0)
| {*} 127.0.0.1 s8 {*}
