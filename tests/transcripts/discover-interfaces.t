# Directed broadcasts: every up, non-loopback interface address adds its
# address with all host bits set. v0 holds two addresses; v2 is down; v1 and
# v3 have no IPv4 address. A directed broadcast comes back to the listener
# here from the interface address, which is where the answer goes and what
# the tool shows.
% ip link add v0 type veth peer name v1 && ip addr add 10.77.0.1/24 dev v0 && ip addr add 10.88.1.7/16 dev v0 && ip link set v0 up && ip link set v1 up
% ip link add v2 type veth peer name v3 && ip addr add 10.99.0.1/24 dev v2 && ip link set v3 up
% start_sim --server 'address=10.77.0.1,id=veth,name=Veth,stratum=2,synced=true,accepting=true,source=GPS,ver=1.0,clients=4' \
+ --server 'address=127.0.0.2,id=lo,name=Loop,synced=true,accepting=true'
$ discover
| Found 2 Quorvandel server(s):
|
|   [1] Loop  —  127.0.0.2  (stratum 0, , v, 0 clients)
|   [2] Veth  —  10.77.0.1  (stratum 2, GPS, v1.0, 4 clients)
|
% jq -r '"\(.src_ip) \(.dst_ip) \(.ifname) \(.valid_query)"' "$WORK/sim.jsonl" | sort | uniq -c
|       3 10.77.0.1 10.77.0.255 v0 true
|       3 10.88.1.7 10.88.255.255 v0 true
|       3 127.0.0.1 127.0.0.1 lo true
% jq -r '"\(.nonce) \(.src_port)"' "$WORK/sim.jsonl" | sort -u | wc -l
| 1

# A netmask of 0.0.0.0 gives 255.255.255.255, already a target, so it is still
# sent once a pass (it arrives now that a default route exists).
% ip addr add 10.55.0.1/0 dev v0 && ip route add default dev v0 && : >"$WORK/sim.jsonl" && as_nobody "$TOOL" discover | grep -c —
| 2
% jq -r .dst_ip "$WORK/sim.jsonl" | sort | uniq -c
|       3 10.77.0.255
|       3 10.88.255.255
|       3 127.0.0.1
|       3 255.255.255.255
