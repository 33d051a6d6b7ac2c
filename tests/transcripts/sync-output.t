# What one sync prints, judged by the stand-in's exit status and output.
# The stand-in gets the server as its only argument, with no shell between.
% script_file args 'printf "%s argument(s):" "$#"; printf " [%s]" "$@"; echo'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/args
$ sync --server 'a b;$(c)'
| {time} quorvandel-connect: sync against a b;$(c) (exit 0)
| 1 argument(s): [a b;$(c)]

# (Success with no output, and its record: sync-record.) A failure ends at
# once (the machine is long booted) and keeps the old record (checked last).
# From five lines on, it shows each "sntp: " message once, from the marker
# on; shorter output is shown whole, trimmed (the rule in full: the
# SntpOutput unit tests).
% echo 1000000000 >"$STATE/last-sync"
% script_file six 'printf "sntp: no answer\n2026-10-09 21:07:38 sntp: lookup failed for x\n  sntp: no answer  \nretrying\nsntp: no answer\n"; exit 1'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/six
$ sync --server 10.0.0.5
| {time} quorvandel-connect: sync against 10.0.0.5 (exit 1)
| sntp: no answer
| sntp: lookup failed for x
? 1

# A program that cannot start: -1 and why (other statuses: the Run unit tests).
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/missing
$ sync --server 10.0.0.5
| {time} quorvandel-connect: sync against 10.0.0.5 (exit -1)
| could not run {work}/missing: No such file or directory
? 1
% cat "$STATE/last-sync"
| 1000000000
