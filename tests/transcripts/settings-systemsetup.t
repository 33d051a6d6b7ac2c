# Outside test mode the settings go through systemsetup; the value is what
# follows the label on the first line that holds it, trimmed of blanks.
% env -i PATH=/usr/bin:/bin "$TOOL" status | sed -n '/== configured time server ==/{n;p}'; cat /run/quorvandel-standins/systemsetup/calls.log
|   time.apple.com
| -getnetworktimeserver
% for out in 'note: Network Time Server:\302\240 10.0.0.5 \342\200\203\t\nNetwork Time Server: other\n' \
+   '\nNetwork Time Server: \t\nNetwork Time Server: later\n' 'Network time server: 10.0.0.5\n'
+ do printf "$out" >/run/quorvandel-standins/systemsetup/output
+   env -i PATH=/usr/bin:/bin "$TOOL" status | sed -n '/== configured time server ==/{n;p}'; done
|   10.0.0.5
|   (could not read)
|   (could not read)
