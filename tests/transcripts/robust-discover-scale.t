# Two hundred servers answering at once are all listed: the socket's default
# receive queue holds every first answer of the burst.
% start_sim --generate 200 --base 127.0.1.1
% as_nobody "$TOOL" discover >"$WORK/out"; echo "exit $?"; head -2 "$WORK/out"; grep -c '^  \[[0-9]*\] ' "$WORK/out"; tail -1 "$WORK/out" | wc -c
| exit 0
| Found 200 Quorvandel server(s):
|
| 200
| 1
