# One discovery with only loopback: the send to 255.255.255.255 fails
# (no route) and is passed over, so the listener on this machine gets the
# query once per pass through 127.0.0.1: three 66-byte queries from one
# socket with one fresh nonce of 8 lower-case hex digits.
% start_sim
$ discover
| No Quorvandel servers found on this network.
| Make sure the server has "Advertise on network" enabled, or use --server <ip>.
? 1
% jq -r '[.src_ip, .dst_ip, .ifname, .length, .type, .valid_query, (.nonce | test("^[0-9a-f]{8}$"))] | join(" ")' "$WORK/sim.jsonl"
| 127.0.0.1 127.0.0.1 lo 66 1 true true
| 127.0.0.1 127.0.0.1 lo 66 1 true true
| 127.0.0.1 127.0.0.1 lo 66 1 true true
% jq -r '"\(.nonce) \(.src_port)"' "$WORK/sim.jsonl" | sort -u | wc -l
| 1

# A second discovery, outside test mode this time, draws a new nonce.
% as_user "$TOOL" discover >/dev/null; sim_queries; jq -r .nonce "$WORK/sim.jsonl" | uniq | wc -l
| 6
| 2

# It listens for the whole time-out after the three send passes, and no longer
# than it must (1.5 s plus about 0.35 s; a loose bound for a busy machine).
% start=$(date +%s%N); as_nobody "$TOOL" discover >/dev/null; ms=$(( ($(date +%s%N) - start) / 1000000 ))
+ [ $ms -ge 1500 ] && [ $ms -le 5000 ] && echo "in bounds" || echo "took $ms ms"
| in bounds
