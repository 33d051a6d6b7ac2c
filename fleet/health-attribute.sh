#!/bin/sh
# Extension attribute: the health of Quorvandel Connect on this Mac, in the
# form management systems read: <result>ok</result>, or the other words of
# status --json's "health" (not-set-up, job-not-loaded, never-synced,
# failing, stale, overridden); not-installed when no copy of the tool is
# there, error when the copy gave no report (a broken or crashing tool).
# It runs the copy the daemons run, else the package's, else the app's
# ($tool is empty when none is there).
# sh, grep and cut only: every macOS release has them.
for tool in /Library/PrivilegedHelperTools/com.quorvandel.connect /usr/local/bin/quorvandel-connect \
  "/Applications/Quorvandel Connect.app/Contents/Helpers/quorvandel-connect" ""; do [ -x "$tool" ] && break; done
health=not-installed
[ -z "$tool" ] || health=$("$tool" status --json 2>/dev/null | grep -o '"health":"[a-z-]*"' | cut -d '"' -f 4)
echo "<result>${health:-error}</result>"
