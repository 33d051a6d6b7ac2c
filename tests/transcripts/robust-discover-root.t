# Root never reads the network itself: under root a child that has become
# nobody opens the socket, listens and parses. The socket that receives the
# answers belongs to nobody (uid 65534) every time /proc/net/udp is read
# while the discovery runs, and the list is byte for byte an ordinary user's.
% start_sim --server 'address=127.0.0.2,id=a,name:="Alpha\u2060",synced=true,accepting=true' --server 'address=127.0.0.3,id=b,name=Beta'
% "$TOOL" discover >"$WORK/root.out" & while kill -0 $! 2>/dev/null; do
+   awk 'NR > 1 && $2 ~ /^00000000:/ && $2 !~ /:300C$/ { print $8 }' /proc/net/udp; done | sort -u
+ as_nobody "$TOOL" discover | cmp - "$WORK/root.out" && sed -n 3p "$WORK/root.out"
| 65534
|   [1] Alpha\u2060  —  127.0.0.2  (stratum 0, , v, 0 clients)

# Where there is an empty folder that only root can change (a Mac has
# /var/empty), the child is shut in it before it gives up root. It keeps no
# id, group or capability of root's, can gain none by running a program,
# and holds /dev/null as standard input, output and error, the pipe back
# and its socket: nothing else of root's.
% in_throwaway_root sh -c 'mkdir -m 555 /var/empty && exec "$0" discover >/dev/null' "$TOOL" &
+ wait_for 'p=$(pgrep -u 65534 -x quorvandel-conn) && [ -e /proc/$p/fd/4 ]' && readlink /proc/$p/root /proc/$p/fd/* | paste -sd' ' &&
+ awk '/^(Uid|Gid|Groups|CapPrm|CapEff|NoNewPrivs):/ { $1 = $1; printf "%s%s", s, $0; s = "; " } END { print "" }' /proc/$p/status; wait
| {work}/throwaway/root/var/empty {work}/throwaway/root/dev/null {work}/throwaway/root/dev/null {work}/throwaway/root/dev/null pipe:[{n}] socket:[{n}]
| Uid: 65534 65534 65534 65534; Gid: 65534 65534 65534 65534; Groups: 65534; CapPrm: 0000000000000000; CapEff: 0000000000000000; NoNewPrivs: 1
