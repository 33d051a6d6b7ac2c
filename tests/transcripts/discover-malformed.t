# Malformed and foreign answers mixed with good ones are dropped without a
# word; the good ones, including a reply of exactly 1024 payload bytes, one
# with bytes after its payload and one claiming another address, are listed.
% start_sim --server 'address=127.0.0.2,id=reply,name=reply,synced=true,accepting=true' --server 'address=127.0.0.3,id=announce,name=announce,synced=true,accepting=true,mode=announce' --server 'address=127.0.0.4,id=max-payload,name=max-payload,synced=true,accepting=true,mode=max-payload' --server 'address=127.0.0.5,id=extra-bytes,name=extra-bytes,synced=true,accepting=true,mode=extra-bytes' --server 'address=127.0.0.6,id=address-key,name=address-key,synced=true,accepting=true,mode=address-key' --server 'address=127.0.0.7,id=wrong-nonce,name=wrong-nonce,synced=true,accepting=true,mode=wrong-nonce' --server 'address=127.0.0.8,id=no-nonce,name=no-nonce,synced=true,accepting=true,mode=no-nonce' --server 'address=127.0.0.9,id=oversized,name=oversized,synced=true,accepting=true,mode=oversized-length' --server 'address=127.0.0.10,id=mismatch,name=mismatch,synced=true,accepting=true,mode=length-mismatch' --server 'address=127.0.0.11,id=truncated,name=truncated,synced=true,accepting=true,mode=truncated' --server 'address=127.0.0.12,id=array,name=array,synced=true,accepting=true,mode=json-array' --server 'address=127.0.0.13,id=magic,name=magic,synced=true,accepting=true,mode=bad-magic' --server 'address=127.0.0.14,id=version,name=version,synced=true,accepting=true,mode=bad-version' --server 'address=127.0.0.15,id=query,name=query,synced=true,accepting=true,mode=type-query' --server 'address=127.0.0.16,id=numeric-nonce,name=numeric-nonce,synced=true,accepting=true,nonce:=12345678' --server 'address=127.0.0.17,id=announce-nonce,name=announce-nonce,synced=true,accepting=true,mode=announce,nonce=00000000'
$ discover
| Found 6 Quorvandel server(s):
|
|   [1] address-key  —  127.0.0.6  (stratum 0, , v, 0 clients)
|   [2] announce  —  127.0.0.3  (stratum 0, , v, 0 clients)
|   [3] announce-nonce  —  127.0.0.17  (stratum 0, , v, 0 clients)
|   [4] extra-bytes  —  127.0.0.5  (stratum 0, , v, 0 clients)
|   [5] max-payload  —  127.0.0.4  (stratum 0, , v, 0 clients)
|   [6] reply  —  127.0.0.2  (stratum 0, , v, 0 clients)
|
