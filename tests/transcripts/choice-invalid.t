# Anything but a whole number from 1 to the length of the list ends the
# install before it has changed anything; there is no second try.
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,ver=1.4,stratum=2,synced=true,accepting=true,source=GPS,clients=1' --server 'address=127.0.0.3,id=b,name=beta,stratum=1,synced=true,accepting=true,source=PPS,clients=7' --server 'address=127.0.0.4,id=c,name=Gamma,synced=true,accepting=true' --server 'address=127.0.0.5,id=d,name=Aardvark,synced=true,accepting=false'
# zero
$ install
< 0
| Select a server:
|   [1] Alpha  —  127.0.0.2  (stratum 2, GPS, v1.4, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 1, PPS, v, 7 clients)
|   [3] Gamma  —  127.0.0.4  (stratum 0, , v, 0 clients)
| Number: \ no newline
! Invalid selection.
? 1
# negative
$ install
< -1
|@choice-prompt.txt
! Invalid selection.
? 1
# not whole
$ install
< 2.0
|@choice-prompt.txt
! Invalid selection.
? 1
# a word
$ install
< two
|@choice-prompt.txt
! Invalid selection.
? 1
# past the end
$ install
< 4
|@choice-prompt.txt
! Invalid selection.
? 1
# beyond 64 bits
$ install
< 99999999999999999999
|@choice-prompt.txt
! Invalid selection.
? 1
# two numbers
$ install
< 1 2
|@choice-prompt.txt
! Invalid selection.
? 1
# a sign alone
$ install
< +
|@choice-prompt.txt
! Invalid selection.
? 1
# an empty line
$ install
<
|@choice-prompt.txt
! Invalid selection.
? 1
# end of input
$ install
|@choice-prompt.txt
! Invalid selection.
? 1
% tree
