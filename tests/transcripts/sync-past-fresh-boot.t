#! sandbox: --uptime 300
# From 300 s of uptime on, a failed sync ends at once without retrying.
% script_file down 'echo "sntp: no answer"; exit 1'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/down
$ sync --server 10.0.0.5
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 1)
| sntp: no answer
? 1
