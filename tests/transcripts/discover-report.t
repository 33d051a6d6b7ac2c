# The report: every server that answered is counted; the available ones are
# numbered in name order (lower-cased over all of Unicode, whatever the
# process locale: the tool runs here with none set), then the others follow
# with their reason, also in name order. Answers that are malformed or meant
# for another query, from 127.0.0.11 on, are dropped without a word (each
# reason: the Answer unit tests); one of exactly 1024 payload bytes is taken.
% n=10; for m in wrong-nonce no-nonce oversized-length length-mismatch truncated json-array bad-magic bad-version type-query 'reply,nonce:=12345678' \
+   max-payload; do n=$((n + 1)); set -- "$@" --server "address=127.0.0.$n,id=$n,name=${m%%,*},synced=true,accepting=true,mode=$m"; done
+ start_sim "$@" --server 'address=127.0.0.2,id=a,name=Öst,ver=2.1,stratum=1,synced=true,accepting=true,source=GPS,clients=2' \
+ --server 'address=127.0.0.3,id=b,name=beta,ver=1.4,stratum=2,synced=true,accepting=true,source=PPS,clients=1' \
+ --server 'address=127.0.0.4,id=c,name=Zeta,synced=false,accepting=true' --server 'address=127.0.0.5,id=d,name=Gamma,synced=true,accepting=false' \
+ --server 'address=127.0.0.6,id=e,name=Delta,synced=false,accepting=false' \
+ --server 'address=127.0.0.7,id=f,name=öde,stratum=3,synced=true,accepting=true,clients=0' --server 'address=127.0.0.8,mode=announce' \
+ --server 'address=127.0.0.9,id=g,name=Typed,stratum:="2",synced:="true",accepting=true,clients:=1.0' \
+ --server 'address=127.0.0.10,id=h,name=Alpha,synced=true,accepting=true,mode=address-key'
$ discover
| Found 10 Quorvandel server(s):
|
|   [1] Alpha  —  127.0.0.10  (stratum 0, , v, 0 clients)
|   [2] beta  —  127.0.0.3  (stratum 2, PPS, v1.4, 1 client)
|   [3] max-payload  —  127.0.0.21  (stratum 0, , v, 0 clients)
|   [4] öde  —  127.0.0.7  (stratum 3, , v, 0 clients)
|   [5] Öst  —  127.0.0.2  (stratum 1, GPS, v2.1, 2 clients)
|   [-] (unnamed)  —  127.0.0.8  (unavailable: not accepting clients)
|   [-] Delta  —  127.0.0.6  (unavailable: not accepting clients)
|   [-] Gamma  —  127.0.0.5  (unavailable: not accepting clients)
|   [-] Typed  —  127.0.0.9  (unavailable: not synced yet)
|   [-] Zeta  —  127.0.0.4  (unavailable: not synced yet)
|
