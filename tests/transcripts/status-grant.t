# What a user may do without a password: the sync-now file, and the grant
# to set the clock with whether its job is loaded, joined by ";". --json
# parses in every case.
% mkdir -p "$STATE" && chown -R nobody: "$ROOT/Library"

# A grant whose job is not loaded.
% plist_file "$STATE/set-time-grant.plist" '<dict><key>uid</key><integer>501</integer></dict>' && touch "$STATE/sync-now"; status_joined 'without a password'
| sync now: yes;set the clock: user 501 (its job is not loaded)

# Granted by the tool: the job is loaded. Unloaded by hand: said so.
% rm "$STATE/sync-now" && grant && status_joined 'without a password'
| sync now: no (set up again to add it);set the clock: user 65534
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.settime.selftest; status_joined 'without a password'
| sync now: no (set up again to add it);set the clock: user 65534 (its job is not loaded)

# A grant that names nobody usable.
% { for g in '<dict><key>uid</key><string>501</string></dict>' '<dict><key>user</key><integer>501</integer></dict>' \
+   '<array><integer>501</integer></array>'; do plist_file "$STATE/set-time-grant.plist" "$g"; status_joined 'without a password'; done
+ echo 'uid=501' >"$STATE/set-time-grant.plist"; status_joined 'without a password'; } | uniq -c
|       4 sync now: no (set up again to add it);set the clock: nobody
