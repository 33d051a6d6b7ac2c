# When the tool cannot make its socket, the system's word for it goes to
# standard error and it carries on as if nobody answered. A seccomp filter
# (x86-64 system call numbers) makes socket(2) fail with EACCES.
% printf '%s\n' 'import ctypes, os, struct, sys' 'arch, nr, allow, deny = 0xC000003E, 41, 0x7FFF0000, 0x50000 | 13' \
+ 'code = [(0x20, 0, 0, 4), (0x15, 1, 0, arch), (0x06, 0, 0, allow), (0x20, 0, 0, 0), (0x15, 0, 1, nr), (0x06, 0, 0, deny), (0x06, 0, 0, allow)]' \
+ 'filt = ctypes.create_string_buffer(b"".join(struct.pack("HBBI", *c) for c in code))' \
+ 'prog = ctypes.create_string_buffer(struct.pack("HxxxxxxQ", len(code), ctypes.addressof(filt)))' 'libc = ctypes.CDLL(None, use_errno=True)' \
+ 'assert libc.prctl(38, 1, 0, 0, 0) == 0 and libc.prctl(22, 2, prog, 0, 0) == 0' 'os.execv(sys.argv[1], sys.argv[1:])' >"$WORK/nosocket.py"
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
