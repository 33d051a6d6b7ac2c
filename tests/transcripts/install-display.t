# How install names the server and the interval, what it saves of settings
# it can only partly read, and how it restores the sync-now file.
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true

# No settings can be read: nothing is saved. An empty name is still a name.
% i() { as_nobody "$TOOL" install "$@" | sed -n '1p;/^Done/p'; }; i --server 10.0.0.5 --name "" --interval 60; ls "$STATE" | paste -sd' '
+ as_nobody "$TOOL" remove >/dev/null
# Only automatic time can be read: only it is saved. The name goes in as it is.
+ settings_store '<dict><key>timeServer</key><integer>7</integer><key>usingNetworkTime</key><true/></dict>'
+ i --server 10.0.0.6 --name 'Lab "B" — 2' --interval 90; flat "$STATE/before-setup.plist"
| Setting up Quorvandel Connect -> "" (10.0.0.5), every 1 minute
| Done. This Mac syncs with "" (10.0.0.5) at startup and every 1 minute.
| last-attempt.plist last-sync sync-now
| Setting up Quorvandel Connect -> "Lab "B" — 2" (10.0.0.6), every 90 seconds
| Done. This Mac syncs with "Lab "B" — 2" (10.0.0.6) at startup and every 90 seconds.
| <dict><key>usingNetworkTime</key><true/></dict>

# A sync-now file with other permissions gets 666 again; a deleted one comes back.
% i() { as_nobody "$TOOL" install --server 10.0.0.6 >/dev/null; }; chmod 600 "$STATE/sync-now"; i; mode "$STATE/sync-now"
+ rm "$STATE/sync-now"; i; mode "$STATE/sync-now"; wc -c <"$STATE/sync-now"
| 666 nobody:nogroup
| 666 nobody:nogroup
| 0
