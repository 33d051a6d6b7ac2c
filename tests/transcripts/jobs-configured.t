# The server and interval read back from the sync job's property list, as
# status words them (the wording: the TimeText unit tests), and what launchd
# says of the job (only its "state =" and "run interval" lines), joined by
# ";". --json parses in every case. (A binary property list is read by the
# same reader as the settings store's: settings-store.t.) Loaded, with an interval that is no whole
# number of minutes:
% sync_job '<key>StartInterval</key><integer>61</integer><key>WatchPaths</key><array><string>/tmp/sync-now</string></array>' \
+   /bin/true sync --server 10.0.0.5 && as_nobody launchctl bootstrap gui/65534 "$SYNC_JOB"; status_joined 'this Mac|launchd service'
| syncs with 10.0.0.5 at startup and every 61 seconds;state = not running;run interval = 61 seconds

# The interval is taken as it stands, below a minute or below zero; one that
# is not an integer is the default 1800 s. The first --server counts, and
# anything after it is the server.
% as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest; for i in 59 -90; do
+ sync_job "<key>StartInterval</key><integer>$i</integer>" x --server 10.0.0.5; as_nobody "$TOOL" status | sed -n 2p; done
|   syncs with 10.0.0.5 at startup and every 59 seconds
|   syncs with 10.0.0.5 at startup and every -90 seconds
% k='<key>StartInterval</key>'; for extra in "$k<string>60</string>" "$k<real>60</real>" "$k<true/>"
+ do sync_job "$extra" --server a.example --server b
+ as_nobody "$TOOL" status | sed -n 2p; done | uniq -c
|       3   syncs with a.example at startup and every 30 minutes
% sync_job '' sync --server --server
+ as_nobody "$TOOL" status | sed -n 2p
|   syncs with --server at startup and every 30 minutes

# Anything else is no configured job.
% p='<plist><dict><key>ProgramArguments</key>'; { printf "$p<array>%s</array></dict></plist>\n" '<string>x</string><string>10.0.0.5</string>' \
+   '<string>x</string><string>--server</string>' '<string>--server</string><integer>5</integer>' '<string>--server=10.0.0.5</string>' \
+   '<string>--server</string><string>10.0.0.5</string><integer>1</integer>'; printf '%s\n' "$p<string>--server 10.0.0.5</string></dict></plist>" \
+   '<plist><array><string>--server</string><string>10.0.0.5</string></array></plist>' "$p<array><string>--server</string>" 'not a property list' ''; } |
+ while IFS= read -r body; do printf '%s' "$body" >"$SYNC_JOB"; as_nobody "$TOOL" status | sed -n 2p; done | uniq -c
|      10   not set up
