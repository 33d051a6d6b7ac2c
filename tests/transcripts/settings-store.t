# Test mode keeps the time settings in a property list under the test root.
# Values of the wrong type read as absent (so install saves nothing), other
# keys survive every write, and the file is replaced whole, with the mode a
# plain create gives under the umask.
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
% printf %s '<plist><dict><key>timeServer</key><integer>5</integer><key>usingNetworkTime</key><string>on</string>' \
+   '<key>zone</key><array><integer>7</integer></array></dict></plist>' >"$ROOT/system-time-settings.plist"
+ chown nobody:nogroup "$ROOT/system-time-settings.plist"; ln "$ROOT/system-time-settings.plist" "$WORK/before"
% as_nobody sh -c 'umask 027; exec "$0" install --server 10.0.0.5' "$TOOL" >/dev/null && ls "$STATE" | paste -sd' '
| last-attempt.plist last-sync sync-now
% F="$ROOT/system-time-settings.plist"; head -c 6 "$F"; echo; settings_now; grep -A2 zone "$F" | tr -d '\t\n'; echo
+ mode "$F"; cat "$WORK/before"; echo; ls -A "$ROOT" | wc -l
| <?xml 
| 10.0.0.5 true
| <key>zone</key><array><integer>7</integer>
| 640 nobody:nogroup
| <plist><dict><key>timeServer</key><integer>5</integer><key>usingNetworkTime</key><string>on</string><key>zone</key><array><integer>7</integer></array></dict></plist>
| 4

# A binary store is read like any other: install saves what it held, remove
# puts it back, automatic time off included.
% printf '<plist><dict><key>timeServer</key><string>old.example</string><key>usingNetworkTime</key><false/></dict></plist>' >"$WORK/x.xml"
+ as_nobody "$TOOL" remove >/dev/null && plistutil -i "$WORK/x.xml" -f bin -o "$ROOT/system-time-settings.plist"
% as_nobody "$TOOL" install --server 10.0.0.6 >/dev/null && flat "$STATE/before-setup.plist" && settings_now
+ as_nobody "$TOOL" remove >/dev/null && settings_now
| <dict><key>timeServer</key><string>old.example</string><key>usingNetworkTime</key><false/></dict>
| 10.0.0.6 true
| old.example false

# What is not a dictionary, or not in XML or binary form, reads as empty and
# is replaced by the two keys.
% for body in 'not a property list' '<plist><array><string>timeServer</string></array></plist>' '' '{timeServer = old;}'
+ do printf '%s' "$body" >"$ROOT/system-time-settings.plist"; as_nobody "$TOOL" install --server 10.0.0.7 >/dev/null
+ echo "$(ls "$STATE" | grep -c before-setup) $(grep -c '<key>' "$ROOT/system-time-settings.plist")"
+ as_nobody "$TOOL" remove >/dev/null; done | uniq -c
|       4 0 2

# A test root that does not exist yet: the store's folder is not made, so
# nothing is stored, while install makes its own folders.
= QUORVANDEL_CONNECT_TEST_ROOT=$WORK/new
% as_nobody "$TOOL" install --server 10.0.0.8 >/dev/null && ls "$WORK/new" | paste -sd' '
| Library mac-calls var
