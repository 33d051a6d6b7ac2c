# 200 servers answering all three queries overflow the socket's queue while
# the tool is still sending, but each has answered the first query before
# the queue fills: all 200 are listed, each once, at its own address (how
# each line reads, and their order: discover-report.t).
% start_sim --generate 200 --base 127.0.1.1
% as_nobody "$TOOL" discover >"$WORK/out"; echo "exit $?"; head -1 "$WORK/out"
+ grep -c '^  \[[0-9]*\] Sim Server ' "$WORK/out"; grep -o '127\.0\.[0-9.]*' "$WORK/out" | sort -u | wc -l
| exit 0
| Found 200 Quorvandel server(s):
| 200
| 200
