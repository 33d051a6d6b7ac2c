# No command word means discover; with nobody answering, both say so.
$[user]
| No Quorvandel servers found on this network.
| Make sure the server has "Advertise on network" enabled, or use --server <ip>.
? 1
$[user] discover
| No Quorvandel servers found on this network.
| Make sure the server has "Advertise on network" enabled, or use --server <ip>.
? 1
