#!/bin/sh
# Compliance check: exits 0 when Quorvandel Connect keeps this Mac in step
# (status --json's "health" is ok); otherwise says why on standard error,
# "Quorvandel Connect: " and the health word, not-installed or error (as in
# health-attribute.sh), and exits 1. The same copy of the tool answers.
# health turns failing once two sync attempts in a row have failed (one
# missed attempt, a laptop away from the office, is no failure yet); to fail
# the check sooner, set max_failures to the number of failed attempts in a
# row ("consecutiveFailures") that fails it: with 1, the first one does
# ("Quorvandel Connect: failed syncs in a row: 1").
max_failures=
for tool in /Library/PrivilegedHelperTools/com.quorvandel.connect /usr/local/bin/quorvandel-connect \
  "/Applications/Quorvandel Connect.app/Contents/Helpers/quorvandel-connect" ""; do [ -x "$tool" ] && break; done
[ -n "$tool" ] || { echo "Quorvandel Connect: not-installed" >&2; exit 1; }
json=$("$tool" status --json 2>/dev/null)
health=$(printf '%s\n' "$json" | grep -o '"health":"[a-z-]*"' | cut -d '"' -f 4)
failures=$(printf '%s\n' "$json" | grep -o '"consecutiveFailures":[0-9]*' | cut -d : -f 2)
if [ "$health" = ok ] && [ -n "$max_failures" ] && [ "${failures:-0}" -ge "$max_failures" ]; then
  health="failed syncs in a row: $failures"
fi
[ "$health" = ok ] && exit 0
echo "Quorvandel Connect: ${health:-error}" >&2
exit 1
