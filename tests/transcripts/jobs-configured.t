# The server and interval read back from the sync job's property list, as
# status words them.
% mkdir -p "$ROOT/Library/LaunchDaemons"; ln -s "$ROOT/Library/LaunchDaemons/com.quorvandel.connect.selftest.plist" "$WORK/job"
% for i in 60 120 3600 90 59 0 -60 -90
+ do printf '<plist><dict><key>ProgramArguments</key><array><string>x</string><string>--server</string><string>10.0.0.5</string></array><key>StartInterval</key><integer>%s</integer></dict></plist>' $i >"$WORK/job"
+ as_nobody "$TOOL" status | sed -n 2p; done
|   syncs with 10.0.0.5 at startup and every 1 minute
|   syncs with 10.0.0.5 at startup and every 2 minutes
|   syncs with 10.0.0.5 at startup and every 60 minutes
|   syncs with 10.0.0.5 at startup and every 90 seconds
|   syncs with 10.0.0.5 at startup and every 59 seconds
|   syncs with 10.0.0.5 at startup and every 0 minutes
|   syncs with 10.0.0.5 at startup and every -1 minutes
|   syncs with 10.0.0.5 at startup and every -90 seconds

# An interval that is not an integer, or none, is the default 1800 s; the
# first --server counts, and anything after it is the server.
% for extra in '' '<key>StartInterval</key><string>60</string>' '<key>StartInterval</key><real>60</real>' '<key>StartInterval</key><true/>'
+ do printf '<plist><dict><key>ProgramArguments</key><array><string>--server</string><string>a.example</string><string>--server</string><string>b</string></array>%s</dict></plist>' "$extra" >"$WORK/job"
+ as_nobody "$TOOL" status | sed -n 2p; done | uniq -c
|       4   syncs with a.example at startup and every 30 minutes
% printf '<plist><dict><key>ProgramArguments</key><array><string>sync</string><string>--server</string><string>--server</string></array></dict></plist>' >"$WORK/job"
+ as_nobody "$TOOL" status | sed -n 2p
|   syncs with --server at startup and every 30 minutes

# A binary property list reads the same.
% printf '<plist><dict><key>StartInterval</key><integer>120</integer><key>ProgramArguments</key><array><string>x</string><string>--server</string><string>10.0.0.7</string></array></dict></plist>' >"$WORK/x.xml"
+ plistutil -i "$WORK/x.xml" -f bin -o "$WORK/job"; head -c 8 "$WORK/job"; echo; as_nobody "$TOOL" status | sed -n 2p
| bplist00
|   syncs with 10.0.0.7 at startup and every 2 minutes

# Anything else is no configured job.
% for args in '<string>x</string><string>10.0.0.5</string>' '<string>x</string><string>--server</string>' '<string>--server</string><integer>5</integer>' '<string>--server=10.0.0.5</string>' '<string>--server</string><string>10.0.0.5</string><integer>1</integer>'
+ do printf '<plist><dict><key>ProgramArguments</key><array>%s</array></dict></plist>\n' "$args"; done >"$WORK/bodies"
+ printf '%s\n' '<plist><dict><key>ProgramArguments</key><string>--server 10.0.0.5</string></dict></plist>' '<plist><array><string>--server</string><string>10.0.0.5</string></array></plist>' '<plist><dict><key>ProgramArguments</key><array><string>--server</string>' 'not a property list' '' >>"$WORK/bodies"
+ while IFS= read -r body; do printf '%s' "$body" >"$WORK/job"; as_nobody "$TOOL" status | sed -n 2p; done <"$WORK/bodies" | uniq -c
|      10   not set up
