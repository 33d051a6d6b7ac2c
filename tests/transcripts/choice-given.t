# "--server" gives the address as it stands, and no query goes out; "--name"
# names it, anywhere in the arguments. A value is whatever follows the first
# "--server" or "--name", even if it looks like an option.
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,synced=true,accepting=true'
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% for args in '--server 10.0.0.5' '--name Lab --server 10.0.0.6' '--server 10.0.0.7 --name' '--server -x --server 10.0.0.8' '--server 10.0.0.9 --name --server'
+ do as_nobody "$TOOL" install $args | sed -n 1p; done
| Setting up Quorvandel Connect -> 10.0.0.5, every 30 minutes
| Setting up Quorvandel Connect -> "Lab" (10.0.0.6), every 30 minutes
| Setting up Quorvandel Connect -> 10.0.0.7, every 30 minutes
| Setting up Quorvandel Connect -> -x, every 30 minutes
| Setting up Quorvandel Connect -> "--server" (10.0.0.9), every 30 minutes
% wc -l <"$WORK/sim.jsonl"
| 0
