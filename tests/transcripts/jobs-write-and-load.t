# Writing a job: the property list is XML with sorted keys, it would be
# root:wheel 644 on a Mac, and launchd is asked bootout, print, bootstrap,
# print.
% as_nobody sh -c 'umask 077; exec "$0" allow-set-time --user 65534' "$TOOL"
| User 65534 can now set this Mac's clock from Quorvandel Connect without a password.
# The set-the-clock job; without a stand-in for sntp the jobs get only the
# test root. (The whole form of a job, XML included: the sync job below.)
% F="$ROOT/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist"
+ grep -cE 'TEST_SNTP|RunAtLoad|StartInterval' "$F"; grep -E 'request<|TEST_ROOT<' "$F"
| 0
| 		<key>QUORVANDEL_CONNECT_TEST_ROOT</key>
| 		<string>set-time-from-request</string>
| 		<string>{root}/Library/Application Support/Quorvandel Connect/set-time-request</string>
% asked com.quorvandel.connect.settime.selftest.plist
| chown root:wheel,chmod 644
% launchctl_calls | tee "$WORK/calls"
| bootout gui/65534/com.quorvandel.connect.settime.selftest
| print gui/65534/com.quorvandel.connect.settime.selftest
| bootstrap gui/65534 {root}/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist
| print gui/65534/com.quorvandel.connect.settime.selftest

# Writing again replaces the file whole, leaving no other file. Loading again
# unloads the old instance first: bootout now succeeds and the first print
# finds it gone.
% rm /run/quorvandel-standins/launchd/calls.log; ln "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist" "$WORK/old" && grant
% stat -c %h "$WORK/old" "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.settime.selftest.plist"; ls -A "$ROOT/Library/LaunchDaemons"
| 1
| 1
| com.quorvandel.connect.settime.selftest.plist
% launchctl_calls | cmp - "$WORK/calls" && echo "same calls"
| same calls

# The sync job, in a domain of our choosing, with the test environment passed on.
= QUORVANDEL_CONNECT_TEST_SNTP=/bin/true
= QUORVANDEL_CONNECT_TEST_DOMAIN=user/65534
% rm /run/quorvandel-standins/launchd/calls.log; as_nobody "$TOOL" install --server 127.0.0.1 --interval 90 | tail -1
| quorvandel-connect-result: synced
% cat "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist"
| <?xml version="1.0" encoding="UTF-8"?>
| <!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
| <plist version="1.0">
| <dict>
| 	<key>EnvironmentVariables</key>
| 	<dict>
| 		<key>QUORVANDEL_CONNECT_TEST_ROOT</key>
| 		<string>{root}</string>
| 		<key>QUORVANDEL_CONNECT_TEST_SNTP</key>
| 		<string>/bin/true</string>
| 	</dict>
| 	<key>Label</key>
| 	<string>com.quorvandel.connect.selftest</string>
| 	<key>ProgramArguments</key>
| 	<array>
| 		<string>{root}/Library/PrivilegedHelperTools/com.quorvandel.connect</string>
| 		<string>sync</string>
| 		<string>--server</string>
| 		<string>127.0.0.1</string>
| 	</array>
| 	<key>RunAtLoad</key>
| 	<true/>
| 	<key>StandardErrorPath</key>
| 	<string>{root}/var/log/quorvandel-connect.log</string>
| 	<key>StandardOutPath</key>
| 	<string>{root}/var/log/quorvandel-connect.log</string>
| 	<key>StartInterval</key>
| 	<integer>90</integer>
| 	<key>WatchPaths</key>
| 	<array>
| 		<string>{root}/Library/Application Support/Quorvandel Connect/sync-now</string>
| 	</array>
| </dict>
| </plist>
# The same calls as the set-the-clock job's, in the chosen domain.
% sed 's|gui/|user/|; s|settime\.||' "$WORK/calls" >"$WORK/want" && launchctl_calls | cmp - "$WORK/want" && echo "same calls"
| same calls
