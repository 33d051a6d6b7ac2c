# Servers that answer but cannot take this Mac are listed by discover (how:
# discover-report.t), which succeeds, but install finds none to use.
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,synced=false,accepting=true' --server 'address=127.0.0.3,id=b,name=Beta,synced=true,accepting=false'
% as_nobody "$TOOL" discover >"$WORK/out"; echo "exit $?"; grep -c unavailable "$WORK/out"
| exit 0
| 2
$ install
< 1
! No Quorvandel servers found. Use:  install --server <ip>
? 1
% tree
