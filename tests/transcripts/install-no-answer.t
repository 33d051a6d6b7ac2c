# A first sync without an answer is no failure of the setup: the job stays
# loaded, the result line says no-answer and the exit code is 0.
# Nothing listens on 127.0.0.9; the real client gives up after its time-out.
= QUORVANDEL_CONNECT_TEST_SNTP=/usr/bin/sntp
$ install --server 127.0.0.9 --interval 90
| Setting up Quorvandel Connect -> 127.0.0.9, every 90 seconds
| Setting the clock from 127.0.0.9 now...
| {time} quorvandel-connect: sync against 127.0.0.9 (exit 1)
| {*}
| Set up, but 127.0.0.9 did not answer a time request. This Mac keeps trying at startup and every 90 seconds.
| Log: {root}/var/log/quorvandel-connect.log
| quorvandel-connect-result: no-answer
% as_nobody "$TOOL" status | sed -n '2p;4p;/== last sync/{n;p}'
|   syncs with 127.0.0.9 at startup and every 90 seconds
|   state = not running
|   (none recorded)
