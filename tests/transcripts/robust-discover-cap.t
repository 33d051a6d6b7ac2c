# Past 1024 servers a discovery keeps the first 1024 and only counts the
# others, each once however often it answers: a flood of invented servers
# grows neither the memory nor the listing. As root, so the whole list and
# the count cross from the child that listens. The answers begin once the
# three passes are sent: the socket's queue holds only about 256, and a busy
# machine is slow to read them.
% start_sim --generate 1030 --base 127.0.2.1 --spread-ms 1000 --spread-after-ms 200
% "$TOOL" discover >"$WORK/out"; echo "exit $?"; head -1 "$WORK/out"; grep -c '^  \[[0-9]*\] ' "$WORK/out"; tail -2 "$WORK/out"
| exit 0
| Found 1024 Quorvandel server(s):
| 1024
|   (6 more server(s) answered and were not listed: at most 1024 are kept.)
|
