# A flood of garbage (wrong magic, bad lengths, a 60 KB payload, random bytes)
# arriving during a discovery neither ends it early nor keeps it past its
# window, and the good servers are still found. The flood lasts 6 s: a
# discovery that waited for quiet would outlast it, one that keeps its window
# ends after about 1.7 s (5 s is room for the busiest machine).
% start_sim --flood 3000 --flood-rate 500 --server 'address=127.0.0.2,id=a,name=Alpha,synced=true,accepting=true,stratum=1,source=GPS,ver=2.1,clients=1' \
+ --server 'address=127.0.0.3,id=b,name=beta,synced=true,accepting=true,stratum=2,source=PPS,ver=2.1,clients=0'
% start=$(date +%s%N); as_nobody "$TOOL" discover; echo "exit $?"; end=$(date +%s%N); ms=$(( (end - start) / 1000000 ))
+ [ $ms -ge 1600 ] && [ $ms -le 5000 ] && echo "in its window" || echo "took $ms ms"
| Found 2 Quorvandel server(s):
|
|   [1] Alpha  —  127.0.0.2  (stratum 1, GPS, v2.1, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 2, PPS, v2.1, 0 clients)
|
| exit 0
| in its window
