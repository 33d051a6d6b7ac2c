#!/bin/sh
# Extension attribute: the version of Quorvandel Connect this Mac runs, as
# the plain MAJOR.MINOR.PATCH that a smart group compares ("less than"):
# <result>1.0.0</result>. status --json gives the whole version, which names
# the commit after a "+" (1.0.0+gdeec5a6). not-installed and error as in
# health-attribute.sh, and from the same copy of the tool.
for tool in /Library/PrivilegedHelperTools/com.quorvandel.connect /usr/local/bin/quorvandel-connect \
  "/Applications/Quorvandel Connect.app/Contents/Helpers/quorvandel-connect" ""; do [ -x "$tool" ] && break; done
version=not-installed
[ -z "$tool" ] || version=$("$tool" status --json 2>/dev/null | grep -o '"version":"[0-9.]*' | cut -d '"' -f 4)
echo "<result>${version:-error}</result>"
