# Root outside test mode, on the real paths, in a throwaway copy of /.
# Whatever the administrator's umask, root's folders and files get the modes
# the tool means: nobody else may replace the program the daemons run.
% start_ntp
% in_throwaway_root sh -c 'umask 000; "$0" install --server 127.0.0.1 >/dev/null; echo "exit $?"' "$TOOL"
| exit 0
% in_throwaway_root sh -c 'cd /Library && stat -c "%a %U %n" PrivilegedHelperTools PrivilegedHelperTools/* LaunchDaemons \
+ "Application Support/Quorvandel Connect" "Application Support/Quorvandel Connect/before-setup.plist"'
| 755 root PrivilegedHelperTools
| 755 root PrivilegedHelperTools/com.quorvandel.connect
| 755 root LaunchDaemons
| 755 root Application Support/Quorvandel Connect
| 644 root Application Support/Quorvandel Connect/before-setup.plist

# A folder at the older install location (which a user may be able to write)
# is never deleted, nor taken for a setup; a saved-settings file nested a million deep (15 MB) reads as
# unreadable, so remove runs to its end, the time server restore included.
% in_throwaway_root sh -c 'mkdir -p /usr/local/sbin/quorvandel-connect/keep && touch /usr/local/sbin/quorvandel-connect/keep/file'
% in_throwaway_root python3 -c 'import sys; open(sys.argv[1],"w").write("<plist>"+"<array>"*1000000+"</array>"*1000000+"</plist>")' \
+ "/Library/Application Support/Quorvandel Connect/before-setup.plist"
% in_throwaway_root "$TOOL" remove
+ in_throwaway_root find /usr/local/sbin/quorvandel-connect /Library/PrivilegedHelperTools /Library/LaunchDaemons "/Library/Application Support"
| Removing Quorvandel Connect
| Removed. Time server set back to time.apple.com (Apple's default).
| /usr/local/sbin/quorvandel-connect
| /usr/local/sbin/quorvandel-connect/keep
| /usr/local/sbin/quorvandel-connect/keep/file
| /Library/PrivilegedHelperTools
| /Library/LaunchDaemons
| /Library/Application Support
% in_throwaway_root "$TOOL" remove; in_throwaway_root ls /usr/local/sbin/quorvandel-connect
| Quorvandel Connect is not set up on this Mac. Nothing was changed.
| keep
