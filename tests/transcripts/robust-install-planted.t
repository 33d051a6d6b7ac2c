# Root never installs, nor runs, a file that lies under the tool's name in a
# folder another user can write, however the administrator started the tool
# from there: by bare name through PATH, or by a path whose ".." climbs out
# of a link (the kernel follows the link; the tool's own path does not).
% in_throwaway_root sh -c 'mkdir -p /srv/shared/sub && ln -s "$0/tests" /srv/shared/sub/link && cd /srv/shared &&
+   printf "#!/bin/sh\ntouch /srv/ran\n" >quorvandel-connect && chmod 755 quorvandel-connect && cp -p quorvandel-connect sub/ &&
+   chown -R nobody /srv/shared' "$BUILD"
% in_throwaway_root env PATH="$BUILD:/usr/bin:/bin" sh -c 'cd /srv/shared && quorvandel-connect install --server 10.0.0.5
+   echo "exit $?"; cd sub && link/../quorvandel-connect install --server 10.0.0.5; echo "exit $?"'
| Setting up Quorvandel Connect -> 10.0.0.5, every 30 minutes
| exit 1
| Setting up Quorvandel Connect -> 10.0.0.5, every 30 minutes
| exit 1
! error: can't locate this tool at /srv/shared/quorvandel-connect. Run install with its full path.
! error: can't locate this tool at /srv/shared/sub/quorvandel-connect. Run install with its full path.
% in_throwaway_root ls /srv /Library; launchctl_calls
| /Library:
| Application Support
| 
| /srv:
| shared
