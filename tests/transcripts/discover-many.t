# 200 servers answering all three queries overflow the socket's queue while
# the tool is still sending, but each has answered the first query before
# the queue fills: all 200 are listed, each once, at its own address.
% start_sim --generate 200 --base 127.0.1.1
% as_nobody "$TOOL" discover >"$WORK/out"; echo "exit $?"; sed -n '1,5p;202,$p' "$WORK/out"
| exit 0
| Found 200 Quorvandel server(s):
|
|   [1] Sim Server 1  —  127.0.1.1  (stratum 2, GPS, v1.0, 0 clients)
|   [2] Sim Server 10  —  127.0.1.10  (stratum 2, GPS, v1.0, 9 clients)
|   [3] Sim Server 100  —  127.0.1.100  (stratum 2, GPS, v1.0, 49 clients)
|   [200] Sim Server 99  —  127.0.1.99  (stratum 2, GPS, v1.0, 48 clients)
|
% grep -c '^  \[[0-9]*\] Sim Server ' "$WORK/out"; grep -o '127\.0\.[0-9.]*' "$WORK/out" | sort -u | wc -l
| 200
| 200
