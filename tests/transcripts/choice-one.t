# With exactly one available server nobody is asked: the tool says which one
# it found and sets up with it. "--name" counts only beside "--server", and a
# "--server" without a value falls back to discovery.
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,synced=false,accepting=true' --server 'address=127.0.0.5,id=s,name=Solo,synced=true,accepting=true' \
+ --server 'address=127.0.0.3,id=b,name=Beta,synced=true,accepting=false'
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% echo 2 | as_nobody "$TOOL" install --name Ignored | sed -n '1,2p;$p'
| Found Solo at 127.0.0.5.
| Setting up Quorvandel Connect -> "Solo" (127.0.0.5), every 30 minutes
| quorvandel-connect-result: synced
% as_nobody "$TOOL" install --interval 90 --server | sed -n 1,2p
| Found Solo at 127.0.0.5.
| Setting up Quorvandel Connect -> "Solo" (127.0.0.5), every 90 seconds
% sim_queries
| 6
