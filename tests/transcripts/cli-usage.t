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
$[user] Install
! Unknown command: Install
!
!@usage.txt
? 2
$[user] 'status '
! Unknown command: status 
!
!@usage.txt
? 2
$[user] ''
! Unknown command: 
!
!@usage.txt
? 2

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
