# The server and interval read back from the sync job's property list, as
# status words them.
% for i in 60 120 3600 90 59 0 -60 -90
+ do sync_job "<key>StartInterval</key><integer>$i</integer>" x --server 10.0.0.5
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
% k='<key>StartInterval</key>'; for extra in '' "$k<string>60</string>" "$k<real>60</real>" "$k<true/>"
+ do sync_job "$extra" --server a.example --server b
+ as_nobody "$TOOL" status | sed -n 2p; done | uniq -c
|       4   syncs with a.example at startup and every 30 minutes
% sync_job '' sync --server --server
+ as_nobody "$TOOL" status | sed -n 2p
|   syncs with --server at startup and every 30 minutes

# A binary property list reads the same.
% job_plist x '<key>StartInterval</key><integer>120</integer>' x --server 10.0.0.7 >"$WORK/x.xml"
+ plistutil -i "$WORK/x.xml" -f bin -o "$SYNC_JOB"; head -c 8 "$SYNC_JOB"; echo; as_nobody "$TOOL" status | sed -n 2p
| bplist00
|   syncs with 10.0.0.7 at startup and every 2 minutes

# Anything else is no configured job.
% p='<plist><dict><key>ProgramArguments</key>'; { printf "$p<array>%s</array></dict></plist>\n" '<string>x</string><string>10.0.0.5</string>' \
+   '<string>x</string><string>--server</string>' '<string>--server</string><integer>5</integer>' '<string>--server=10.0.0.5</string>' \
+   '<string>--server</string><string>10.0.0.5</string><integer>1</integer>'; printf '%s\n' "$p<string>--server 10.0.0.5</string></dict></plist>" \
+   '<plist><array><string>--server</string><string>10.0.0.5</string></array></plist>' "$p<array><string>--server</string>" 'not a property list' ''; } |
+ while IFS= read -r body; do printf '%s' "$body" >"$SYNC_JOB"; as_nobody "$TOOL" status | sed -n 2p; done | uniq -c
|      10   not set up
