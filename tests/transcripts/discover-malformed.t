# Malformed and foreign answers mixed with good ones are dropped without a
# word; the good ones, including a reply of exactly 1024 payload bytes, one
# with bytes after its payload and one claiming another address, are listed.
% n=1; for m in reply announce max-payload extra-bytes address-key wrong-nonce no-nonce oversized-length length-mismatch \
+ truncated json-array bad-magic bad-version type-query 'reply,nonce:=12345678' 'announce,nonce=00000000'; do n=$((n + 1))
+ set -- "$@" --server "address=127.0.0.$n,id=$n,name=${m%%,*} $n,synced=true,accepting=true,mode=$m"; done; start_sim "$@"
$ discover
| Found 6 Quorvandel server(s):
|
|   [1] address-key 6  —  127.0.0.6  (stratum 0, , v, 0 clients)
|   [2] announce 17  —  127.0.0.17  (stratum 0, , v, 0 clients)
|   [3] announce 3  —  127.0.0.3  (stratum 0, , v, 0 clients)
|   [4] extra-bytes 5  —  127.0.0.5  (stratum 0, , v, 0 clients)
|   [5] max-payload 4  —  127.0.0.4  (stratum 0, , v, 0 clients)
|   [6] reply 2  —  127.0.0.2  (stratum 0, , v, 0 clients)
|
