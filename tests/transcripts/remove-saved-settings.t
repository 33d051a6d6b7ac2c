# What status shows of the settings saved before setup, and what remove puts
# back from them: a text time server, else Apple's default; automatic time is
# switched off only when it was saved off. Each row: automatic time as install
# left it, then the saved dictionary (none: no file), wrapped in a property
# list; then, on one line, status's lines, remove's last line, and the
# settings. (A saved file that is no dictionary reads as none: the reader is
# the settings store's, whose cases are settings-store.t's.)
% row() { {
+   settings_store "$(settings 127.0.0.1 $1)" && mkdir -p "$STATE" && chown -R nobody: "$ROOT/Library"
+   [ "$2" = none ] || printf '<plist version="1.0">%s</plist>' "$2" >"$STATE/before-setup.plist"
+   as_nobody "$TOOL" status | sed -n '/before setup/,/last sync/p' | sed '1d;$d'
+   as_nobody "$TOOL" remove | sed -n 's/^Removed. Time server set back to /-> /p'; settings_now; } | sed 's/^ *//' | paste -sd';'; }
+ row false none
+ row false '<dict/>'
+ row true '<dict><key>timeServer</key><integer>5</integer><key>usingNetworkTime</key><string>off</string></dict>'
+ row true '<dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>'
+ row true '<dict><key>usingNetworkTime</key><true/></dict>'
+ row true '<dict><key>usingNetworkTime</key><false/></dict>'
+ row true '<dict><key>timeServer</key><string>ntp.example.net</string></dict>'
| (no record);-> time.apple.com (Apple's default).;time.apple.com false
| time server: (not recorded);-> time.apple.com (Apple's default).;time.apple.com false
| time server: (not recorded);-> time.apple.com (Apple's default).;time.apple.com true
| time server: 10.0.0.5;set time automatically: off;-> 10.0.0.5 (what this Mac had before setup).;10.0.0.5 false
| time server: (not recorded);set time automatically: on;-> time.apple.com (Apple's default).;time.apple.com true
| time server: (not recorded);set time automatically: off;-> time.apple.com (Apple's default).;time.apple.com false
| time server: ntp.example.net;-> ntp.example.net (what this Mac had before setup).;ntp.example.net true
