# Several available servers: the available ones are listed by name, and the
# number typed at the prompt, which has no line break of its own, picks one
# (which answers are taken: the Selection unit tests).
% start_sim --server 'address=127.0.0.2,id=a,name=Alpha,ver=1.4,stratum=2,synced=true,accepting=true,source=GPS,clients=1' \
+   --server 'address=127.0.0.3,id=b,name=beta,stratum=1,synced=true,accepting=true,source=PPS,clients=7' \
+   --server 'address=127.0.0.4,id=c,name=Gamma,synced=true,accepting=true' \
+   --server 'address=127.0.0.5,id=d,name=Aardvark,synced=true,accepting=false'
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% printf ' \t 3 \343\200\200\n' | as_nobody "$TOOL" install --interval 90 | sed -n 1,5p
| Select a server:
|   [1] Alpha  —  127.0.0.2  (stratum 2, GPS, v1.4, 1 client)
|   [2] beta  —  127.0.0.3  (stratum 1, PPS, v, 7 clients)
|   [3] Gamma  —  127.0.0.4  (stratum 0, , v, 0 clients)
| Number: Setting up Quorvandel Connect -> "Gamma" (127.0.0.4), every 90 seconds

# Anything else ends the install before it has changed anything, with no
# second try; so does the end of input.
% rm -rf "$ROOT"/* && { for a in 4 ''; do printf '%s\n' "$a" | as_nobody "$TOOL" install >/dev/null; echo "exit $?"; done
+ as_nobody "$TOOL" install </dev/null >/dev/null; echo "exit $?"; tree; } 2>&1 | sort | uniq -c
|       3 Invalid selection.
|       3 exit 1
