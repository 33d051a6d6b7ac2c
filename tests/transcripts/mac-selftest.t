# The Mac self-test, run here as an ordinary user against the stand-ins, a
# simulated server on the sandbox's network and a real NTP server, so that it
# is known to work before it goes to a Mac.
% start_sim --server 'address=127.0.0.2,id=a,name=Lab,synced=true,accepting=true' && start_ntp
% out=$(as_user "$SRC/scripts/mac-selftest" --tool "$TOOL" --server 127.0.0.1); echo "exit $?"; printf '%s\n' "$out" | tail -1
| exit 0
| mac-selftest: 52 lines as the Linux tests expect, 0 differ
