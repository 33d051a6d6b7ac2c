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

# "--server" gives the address as it stands, and no query goes out (the count
# stays at the two discoveries above); "--name" names it, anywhere in the
# arguments. A value is whatever follows the first "--server" or "--name",
# even if it looks like an option (the rule in full: the OptValue unit tests).
% for args in '--name Lab --server 10.0.0.6' '--server -x --server 10.0.0.8' '--server 10.0.0.9 --name --server'
+ do as_nobody "$TOOL" install $args | sed -n 1p; done; sim_queries
| Setting up Quorvandel Connect -> "Lab" (10.0.0.6), every 30 minutes
| Setting up Quorvandel Connect -> -x, every 30 minutes
| Setting up Quorvandel Connect -> "--server" (10.0.0.9), every 30 minutes
| 6
