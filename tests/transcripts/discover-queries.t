# With only loopback, the send to 255.255.255.255 fails (no route) and is
# passed over, so the listener on this machine gets the query once per pass
# through 127.0.0.1 (what each pass sends: discover-interfaces.t). No command
# word means discover; with nobody answering, it says so.
% start_sim
$[user]
| No Quorvandel servers found on this network.
| Make sure the server has "Advertise on network" enabled, or use --server <ip>.
? 1

# A second discovery, in test mode this time, draws a new nonce.
$ discover
| No Quorvandel servers found on this network.
| Make sure the server has "Advertise on network" enabled, or use --server <ip>.
? 1
% sim_queries; jq -r .nonce "$WORK/sim.jsonl" | uniq | wc -l
| 6
| 2
