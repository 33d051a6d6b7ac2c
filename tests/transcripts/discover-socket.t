# When the tool cannot make its socket, the system's word for it goes to
# standard error and it carries on as if nobody answered (nosocket.py makes
# socket(2) fail with EACCES).
% cp "$SRC/tests/support/nosocket.py" "$WORK/"
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,synced=true,accepting=true'
% as_nobody /usr/bin/python3 "$WORK/nosocket.py" "$TOOL" discover; echo "exit $?"
| No Quorvandel servers found on this network.
| Make sure the server has "Advertise on network" enabled, or use --server <ip>.
| exit 1
! socket: Permission denied
% as_nobody /usr/bin/python3 "$WORK/nosocket.py" "$TOOL" install; echo "exit $?"
| exit 1
! socket: Permission denied
! No Quorvandel servers found. Use:  install --server <ip>
% wc -l <"$WORK/sim.jsonl"; tree
| 0
