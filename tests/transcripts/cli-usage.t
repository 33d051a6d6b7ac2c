# The usage text: byte for byte on standard error, 876 bytes, exit 0.
$[user] help
!@usage.txt
% "$TOOL" --help 2>&1 >/dev/null | wc -c
| 876
$[user] --help
!@usage.txt
$[user] -h
!@usage.txt

# Command words match whole and case-sensitive.
% for c in Install 'status ' ''; do as_user "$TOOL" "$c" 2>&1 | head -2; as_user "$TOOL" "$c" 2>&1 | tail -n +3 | cmp - "$SRC/tests/transcripts/usage.txt"
+   echo "usage, exit $(as_user "$TOOL" "$c" >/dev/null 2>&1; echo $?)"; done
| Unknown command: Install
|
| usage, exit 2
| Unknown command: status 
|
| usage, exit 2
| Unknown command: 
|
| usage, exit 2
# A missing argument gets its usage line, before any root check.
$[user] sync
! Usage: quorvandel-connect sync --server <ip>
? 2
$[user] sync --server
! Usage: quorvandel-connect sync --server <ip>
? 2
$[user] sync --server=10.0.0.5
! Usage: quorvandel-connect sync --server <ip>
? 2
$[user] set-time
! Usage: quorvandel-connect set-time <2026-10-09T21:07:38Z>
? 2
# allow-set-time checks root first; in test mode that passes.
$ allow-set-time --user
! Usage: quorvandel-connect allow-set-time --user <id>
? 2
