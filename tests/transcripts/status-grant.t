# What a user may do without a password: the sync-now file, and the grant
# to set the clock with whether its job is loaded, joined by ";". --json
# parses in every case.
% printf '%s\n' 'as_nobody "$TOOL" status --json | json_ok && as_nobody "$TOOL" status |' \
+   'sed -n "/== without a password ==/,/== configured time server ==/p" | sed "1d;\$d;s/^ *//" | paste -sd";"' >"$WORK/section"
% printf '%s\n' 'mkdir -p "$STATE" && printf "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">%s</plist>\n" "$1" \' \
+   '>"$STATE/set-time-grant.plist" && chown -R nobody: "$ROOT/Library"' >"$WORK/grant"

# A grant whose job is not loaded.
% sh "$WORK/grant" '<dict><key>uid</key><integer>501</integer></dict>' && touch "$STATE/sync-now"; . "$WORK/section"
| sync now: yes;set the clock: user 501 (its job is not loaded)
% sh "$WORK/grant" '<dict><key>uid</key><integer>4294967295</integer></dict>' && rm "$STATE/sync-now"; . "$WORK/section"
| sync now: no (set up again to add it);set the clock: user 4294967295 (its job is not loaded)

# Granted by the tool: the job is loaded. Unloaded by hand: said so.
$ allow-set-time --user 65534
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
% . "$WORK/section"
| sync now: no (set up again to add it);set the clock: user 65534
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.settime.selftest; . "$WORK/section"
| sync now: no (set up again to add it);set the clock: user 65534 (its job is not loaded)

# A grant that names nobody usable.
% { for g in '<dict><key>uid</key><string>501</string></dict>' '<dict><key>user</key><integer>501</integer></dict>' \
+   '<array><integer>501</integer></array>'; do sh "$WORK/grant" "$g"; . "$WORK/section"; done
+ echo 'uid=501' >"$STATE/set-time-grant.plist"; . "$WORK/section"; } | uniq -c
|       4 sync now: no (set up again to add it);set the clock: nobody
