# What status shows of the settings saved before setup, and what remove puts
# back from them: a text time server, else Apple's default; automatic time is
# switched off only when it was saved off. The settings store starts as
# install leaves it unless said otherwise.
% printf '%s\n' 'wrap() { printf "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">%s</plist>\n" "$2" >"$1" && chown nobody: "$1"; }' 'store() { wrap "$ROOT/system-time-settings.plist" "${1:-<dict><key>timeServer</key><string>127.0.0.1</string><key>usingNetworkTime</key><true/></dict>}"; }' 'state() { mkdir -p "$STATE" && chown -R nobody: "$ROOT/Library"; }' 'saved() { state && wrap "$STATE/before-setup.plist" "$1"; }' 'section() { as_nobody "$TOOL" status | sed -n "/== time settings before setup ==/,/== last sync ==/p" | sed "1d;\$d"; }' 'flat() { plist "$ROOT/system-time-settings.plist" | sed -n "/^<dict>/,/^<\/dict>/p" | tr -d "\t\n"; echo; }' >"$WORK/lib"

# No saved-settings file: automatic time is left alone, even when off.
% . "$WORK/lib"; store '<dict><key>timeServer</key><string>127.0.0.1</string><key>usingNetworkTime</key><false/></dict>' && state && section
|   (no record)
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><false/></dict>

# An empty file.
% . "$WORK/lib"; store && state && : >"$STATE/before-setup.plist" && section
|   (no record)
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><true/></dict>

# Not a property list.
% . "$WORK/lib"; store && state && echo 'timeServer = 10.0.0.5' >"$STATE/before-setup.plist" && section
|   (no record)
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><true/></dict>

# A property list that is not a dictionary.
% . "$WORK/lib"; store && saved '<array><string>10.0.0.5</string><false/></array>' && section
|   (no record)
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><true/></dict>

# An empty dictionary.
% . "$WORK/lib"; store '<dict><key>timeServer</key><string>127.0.0.1</string><key>usingNetworkTime</key><false/></dict>' && saved '<dict/>' && section
|   time server: (not recorded)
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><false/></dict>

# Values of the wrong types count as missing.
% . "$WORK/lib"; store && saved '<dict><key>timeServer</key><integer>5</integer><key>usingNetworkTime</key><string>off</string></dict>' && section
|   time server: (not recorded)
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><true/></dict>
% . "$WORK/lib"; store && saved '<dict><key>timeServer</key><array><string>10.0.0.5</string></array><key>usingNetworkTime</key><integer>0</integer></dict>' && section
|   time server: (not recorded)
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><true/></dict>

# Both settings saved.
% . "$WORK/lib"; store && saved '<dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>' && section
|   time server: 10.0.0.5
|   set time automatically: off
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to 10.0.0.5 (what this Mac had before setup).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>10.0.0.5</string><key>usingNetworkTime</key><false/></dict>

# Only automatic time, on: it stays on.
% . "$WORK/lib"; store && saved '<dict><key>usingNetworkTime</key><true/></dict>' && section
|   time server: (not recorded)
|   set time automatically: on
$ uninstall
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><true/></dict>

# Only automatic time, off.
% . "$WORK/lib"; store && saved '<dict><key>usingNetworkTime</key><false/></dict>' && section
|   time server: (not recorded)
|   set time automatically: off
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>time.apple.com</string><key>usingNetworkTime</key><false/></dict>

# Only the time server.
% . "$WORK/lib"; store && saved '<dict><key>timeServer</key><string>ntp.example.net</string></dict>' && section
|   time server: ntp.example.net
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to ntp.example.net (what this Mac had before setup).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>ntp.example.net</string><key>usingNetworkTime</key><true/></dict>

# A binary property list reads like the XML one.
% . "$WORK/lib"; store && saved '<dict><key>timeServer</key><string>10.0.0.7</string><key>usingNetworkTime</key><false/></dict>' && plistutil -i "$STATE/before-setup.plist" -f bin -o "$WORK/bin.plist" && cp "$WORK/bin.plist" "$STATE/before-setup.plist" && head -c 6 "$STATE/before-setup.plist" && echo && section
| bplist
|   time server: 10.0.0.7
|   set time automatically: off
$ remove
| Removing Quorvandel Connect
| Removed. Time server set back to 10.0.0.7 (what this Mac had before setup).
% . "$WORK/lib"; flat
| <dict><key>timeServer</key><string>10.0.0.7</string><key>usingNetworkTime</key><false/></dict>
