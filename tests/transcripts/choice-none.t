# Servers that answer but cannot take this Mac are listed by discover, which
# succeeds, but install finds none to use.
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,synced=false,accepting=true' --server 'address=127.0.0.3,id=b,name=Beta,synced=true,accepting=false'
$ discover
| Found 2 Quorvandel server(s):
|
|   [-] Alpha  —  127.0.0.2  (unavailable: not synced yet)
|   [-] Beta  —  127.0.0.3  (unavailable: not accepting clients)
|
$ install
< 1
! No Quorvandel servers found. Use:  install --server <ip>
? 1
% tree
