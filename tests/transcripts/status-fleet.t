#! sandbox: --supervise
# The fleet's view, as the snippets of docs/deploying.md and the man page run
# it, in every state of health. launchd's part is played by the stand-in's
# supervisor, so the sync job runs at load as on a Mac and writes the log.
# The snippets are run as they stand but for their two paths: 1 and 3 print
# the health as an extension attribute (v: the same with key=version), 2 and
# 4 are the compliance check.
% start_ntp
= QUORVANDEL_CONNECT_TEST_SNTP=/usr/bin/sntp
% cd "$WORK" && awk '/^(## |\.S[hs] )/ { fleet = /[Ff]leet/ } fleet && /^(```|\.Ed)$/ { block = 0 } block { print >("snippet" n) }
+   fleet && /^(```sh|\.Bd -literal)/ { block = 1; n++ }' "$SRC/docs/deploying.md" "$SRC/man/quorvandel-connect.8" && cmp snippet1 snippet3
+ cmp snippet2 snippet4 && sed -i "s|/Library/PrivilegedHelperTools|$ROOT&|; s|/Applications/Quorvandel Connect.app/Contents/Helpers|$WORK/app|" snippet?
+ sed 's/^key=health$/key=version/' snippet1 >v && mkdir -m 777 app
% as_nobody sh snippet1; as_nobody sh snippet2; echo "exit $?"
| <result>not-installed</result>
! Quorvandel Connect: not-installed
| exit 1

# Only the app's copy, which works, then gives no report.
% cp "$TOOL" app/ && as_nobody sh snippet1 && as_nobody sh v && echo '#!/bin/sh' >app/quorvandel-connect && as_nobody sh snippet1
| <result>not-set-up</result>
| <result>{version}</result>
| <result>error</result>

# The copy the daemons run answers from now on. Set up against a server that
# answers, then against one that does not, then the first again: the job's
# own sync at load decides, and its line in the log is waited for each time.
% in_log() { wait_for "[ \$(grep -c 'sync against $1 (exit $2)' '$LOG') = $3 ]"; }
+ for step in '127.0.0.1 0 1' '127.0.0.9 1 1' '127.0.0.1 0 2'; do set -- $step
+   as_nobody "$TOOL" install --server $1 >/dev/null; in_log "$@" && as_nobody sh snippet1; done; as_nobody sh snippet2 && echo "exit $?"
| <result>ok</result>
| <result>failing</result>
| <result>ok</result>
| exit 0
% as_nobody "$TOOL" status --json | python3 -c 'import json, sys; d = json.load(sys.stdin); a = d["lastAttempt"]
+ print(a["server"], a["exitCode"], type(d["offsetSeconds"]).__name__)'
| 127.0.0.1 0 float

# The Mac pointed elsewhere behind the tool's back; the last sync too old;
# none at all; the job unloaded.
% health() { as_nobody sh snippet1; }; settings_store "$(settings 10.0.0.7 true)" && health
+ settings_store "$(settings 127.0.0.1 true)" && echo $(( $(date +%s) - 3901 )) >"$STATE/last-sync" && health
+ rm "$STATE/last-sync" && health; as_nobody launchctl bootout gui/65534/com.quorvandel.connect.selftest; health
| <result>overridden</result>
| <result>stale</result>
| <result>never-synced</result>
| <result>job-not-loaded</result>
