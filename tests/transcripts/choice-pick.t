# Several available servers: the list of those, and the number typed at the
# prompt picks one. Signs, leading zeros and blanks around it (tabs and
# Unicode spaces too) are fine. The prompt has no line break of its own.
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,ver=1.4,stratum=2,synced=true,accepting=true,source=GPS,clients=1' --server 'address=127.0.0.3,id=b,name=beta,stratum=1,synced=true,accepting=true,source=PPS,clients=7' --server 'address=127.0.0.4,id=c,name=Gamma,synced=true,accepting=true' --server 'address=127.0.0.5,id=d,name=Aardvark,synced=true,accepting=false'
% sntp_script sntp 'exit 0'
= QUORVANDEL_CONNECT_TEST_SNTP=$WORK/sntp
$ install
< 2
| Select a server:
|   [1] Alpha  —  127.0.0.2  (stratum 2, GPS, v1.4, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 1, PPS, v, 7 clients)
|   [3] Gamma  —  127.0.0.4  (stratum 0, , v, 0 clients)
| Number: Setting up Quorvandel Connect -> "beta" (127.0.0.3), every 30 minutes
| Setting the clock from 127.0.0.3 now...
| {time} quorvandel-connect: sync against 127.0.0.3 (exit 0)
| {*}
| {*}
| {*}
$ install
< +2
| Select a server:
|   [1] Alpha  —  127.0.0.2  (stratum 2, GPS, v1.4, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 1, PPS, v, 7 clients)
|   [3] Gamma  —  127.0.0.4  (stratum 0, , v, 0 clients)
| Number: Setting up Quorvandel Connect -> "beta" (127.0.0.3), every 30 minutes
| Setting the clock from 127.0.0.3 now...
| {time} quorvandel-connect: sync against 127.0.0.3 (exit 0)
| {*}
| {*}
| {*}
$ install
< 02
| Select a server:
|   [1] Alpha  —  127.0.0.2  (stratum 2, GPS, v1.4, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 1, PPS, v, 7 clients)
|   [3] Gamma  —  127.0.0.4  (stratum 0, , v, 0 clients)
| Number: Setting up Quorvandel Connect -> "beta" (127.0.0.3), every 30 minutes
| Setting the clock from 127.0.0.3 now...
| {time} quorvandel-connect: sync against 127.0.0.3 (exit 0)
| {*}
| {*}
| {*}
$ install
<  	 2 　
| Select a server:
|   [1] Alpha  —  127.0.0.2  (stratum 2, GPS, v1.4, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 1, PPS, v, 7 clients)
|   [3] Gamma  —  127.0.0.4  (stratum 0, , v, 0 clients)
| Number: Setting up Quorvandel Connect -> "beta" (127.0.0.3), every 30 minutes
| Setting the clock from 127.0.0.3 now...
| {time} quorvandel-connect: sync against 127.0.0.3 (exit 0)
| {*}
| {*}
| {*}
$ install --interval 90
< 3
| Select a server:
|   [1] Alpha  —  127.0.0.2  (stratum 2, GPS, v1.4, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 1, PPS, v, 7 clients)
|   [3] Gamma  —  127.0.0.4  (stratum 0, , v, 0 clients)
| Number: Setting up Quorvandel Connect -> "Gamma" (127.0.0.4), every 90 seconds
| Setting the clock from 127.0.0.4 now...
| {time} quorvandel-connect: sync against 127.0.0.4 (exit 0)
| {*}
| {*}
| {*}
