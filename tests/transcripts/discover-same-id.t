# One record per id, and the last answer wins whole, address included. The
# simulator answers in its list order, and a server that answers every query
# speaks again after one that answers only the first: "X new" and "Y new"
# answer last, one from the higher address and one from the lower; "Y old"
# answers first. Answers without an id are
# told apart by their sender; a server answering all three queries is
# listed once.
% start_sim --server 'address=127.0.0.2,id=x,name=X old,stratum=1,synced=true,accepting=true,answers=first' \
+ --server 'address=127.0.0.3,id=x,name=X new,stratum=2,synced=true,accepting=false' \
+ --server 'address=127.0.0.5,id=y,name=Y old,stratum=4,synced=true,accepting=true,answers=first' \
+ --server 'address=127.0.0.4,id=y,name=Y new,stratum=3,synced=false,accepting=true' --server 'address=127.0.0.6,name=Anon,synced=true,accepting=true' \
+ --server 'address=127.0.0.7,name=Anon,synced=true,accepting=true,mode=announce' \
+ --server 'address=127.0.0.8,id=z,name=Zed,synced=true,accepting=true,clients=1'
$ discover
| Found 5 Quorvandel server(s):
|
|   [1] Anon  —  127.0.0.{n}  (stratum 0, , v, 0 clients)
|   [2] Anon  —  127.0.0.{n}  (stratum 0, , v, 0 clients)
|   [3] Zed  —  127.0.0.8  (stratum 0, , v, 1 client)
|   [-] X new  —  127.0.0.3  (unavailable: not accepting clients)
|   [-] Y new  —  127.0.0.4  (unavailable: not synced yet)
|
% as_nobody "$TOOL" discover | grep Anon | sed 's/.*—  //' | sort
| 127.0.0.6  (stratum 0, , v, 0 clients)
| 127.0.0.7  (stratum 0, , v, 0 clients)
