# The usage text: byte for byte on standard error, exit 0, for each of the
# three ways of asking.
$[user] help
!@usage.txt
% for a in --help -h; do as_user "$TOOL" $a >"$WORK/out" 2>"$WORK/err" && cmp "$WORK/err" "$SRC/tests/transcripts/usage.txt" && [ ! -s "$WORK/out" ] &&
+   echo same; done | uniq -c
|       2 same

# Command words match whole and case-sensitive.
% for c in Install 'status ' ''; do { printf 'Unknown command: %s\n\n' "$c"; cat "$SRC/tests/transcripts/usage.txt"; } >"$WORK/want"
+   as_user "$TOOL" "$c" 2>"$WORK/got"; echo "[$c] exit $?"; cmp "$WORK/want" "$WORK/got"; done
| [Install] exit 2
| [status ] exit 2
| [] exit 2
# A missing argument gets its usage line, before any root check.
% for a in '' --server --server=10.0.0.5; do as_user "$TOOL" sync $a 2>&1; echo "exit $?"; done | sort | uniq -c
|       3 Usage: quorvandel-connect sync --server <ip>
|       3 exit 2
$[user] set-time
! Usage: quorvandel-connect set-time <2026-10-09T21:07:38Z>
? 2
# allow-set-time checks root first; in test mode that passes.
$ allow-set-time --user
! Usage: quorvandel-connect allow-set-time --user <id>
? 2
