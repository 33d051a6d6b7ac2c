#!/bin/sh
# Compliance check: exits 0 when Quorvandel Connect keeps this Mac in step
# (status --json's "health" is ok); otherwise says why on standard error,
# "Quorvandel Connect: " and the health word, not-installed or error (as in
# health-attribute.sh), and exits 1. The same copy of the tool answers.
for tool in /Library/PrivilegedHelperTools/com.quorvandel.connect /usr/local/bin/quorvandel-connect \
  "/Applications/Quorvandel Connect.app/Contents/Helpers/quorvandel-connect" ""; do [ -x "$tool" ] && break; done
[ -n "$tool" ] || { echo "Quorvandel Connect: not-installed" >&2; exit 1; }
health=$("$tool" status --json 2>/dev/null | grep -o '"health":"[a-z-]*"' | cut -d '"' -f 4)
[ "$health" = ok ] && exit 0
echo "Quorvandel Connect: ${health:-error}" >&2
exit 1
