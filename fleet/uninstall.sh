#!/bin/sh
# Takes Quorvandel Connect off a Mac that got it from the package of
# docs/deploying.md; run it as root, as a management system runs its
# scripts. remove undoes the setup (both daemons, the copy they run, the
# state folder) and puts the Mac's own time settings back; then the
# package's own files go, and Installer forgets the package. The log
# /var/log/quorvandel-connect.log and the archives newsyslog made of it stay,
# as remove leaves them. Exits 1, with nothing else changed, when remove
# fails (not run as root).
identifier=com.example.quorvandel-connect  # the --identifier the package was built with

for tool in /Library/PrivilegedHelperTools/com.quorvandel.connect /usr/local/bin/quorvandel-connect; do
  [ -x "$tool" ] || continue
  "$tool" remove || exit 1
  break
done
rm -f /usr/local/bin/quorvandel-connect /usr/local/share/man/man8/quorvandel-connect.8 \
  /private/etc/newsyslog.d/com.quorvandel.connect.conf || exit 1
if /usr/sbin/pkgutil --pkg-info "$identifier" >/dev/null 2>&1; then
  /usr/sbin/pkgutil --forget "$identifier"
fi
