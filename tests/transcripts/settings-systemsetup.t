# Outside test mode the settings go through systemsetup; the value is what
# follows the label on the first line that holds it, trimmed of blanks.
% env -i PATH=/usr/bin:/bin "$TOOL" status | sed -n '/== configured time server ==/{n;p}'; cat /run/quorvandel-standins/systemsetup/calls.log
|   time.apple.com
| -getnetworktimeserver
% printf 'note: Network Time Server:\302\240 10.0.0.5 \342\200\203\t\nNetwork Time Server: other\n' >/run/quorvandel-standins/systemsetup/output
+ env -i PATH=/usr/bin:/bin "$TOOL" status | sed -n '/== configured time server ==/{n;p}'
|   10.0.0.5
% printf '\nNetwork Time Server: \t\nNetwork Time Server: later\n' >/run/quorvandel-standins/systemsetup/output
+ env -i PATH=/usr/bin:/bin "$TOOL" status | sed -n '/== configured time server ==/{n;p}'
|   (could not read)
% printf 'Network time server: 10.0.0.5\n' >/run/quorvandel-standins/systemsetup/output
+ env -i PATH=/usr/bin:/bin "$TOOL" status | sed -n '/== configured time server ==/{n;p}'
|   (could not read)
