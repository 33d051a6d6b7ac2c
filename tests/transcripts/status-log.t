# The last log lines: up to 12 non-empty lines, oldest first, each unchanged
# but for its controls, which are escaped;
# a log that cannot be read as text counts as none. --json parses in every case.
% mkdir -p "$ROOT/var/log" && chown -R nobody: "$ROOT/var"

# Fewer than 12 lines: all of them; blanks around the text stay.
% printf '\n\n2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)\n\n  sntp: step time \t\n\n\n' >"$LOG"
+ status_lines 'last log lines'
|   2026-10-09T21:07:38Z quorvandel-connect: sync against 10.0.0.5 (exit 0)
|     sntp: step time \x09

# 13 lines, the last without a line feed: the first one drops out (12 lines,
# from line 2 to line 13).
% printf 'line %d — ok\n' $(seq 12) >"$LOG" && printf 'line 13' >>"$LOG"; status_lines 'last log lines' | sed -n '1p;$p;$='
|   line 2 — ok
|   line 13
| 12

# Only the last 64 KiB are read, from a line start: the line at the
# window's edge is kept whole or not at all.
% for n in 65531 65532; do { echo early; head -c $n /dev/zero | tr '\0' x; printf '\nend\n'; } >"$LOG"; status_lines 'last log lines' | cut -c1-11; done
|   xxxxxxxxx
|   end
|   end

# An empty log, and one of line feeds only: no lines at all. Not UTF-8,
# not readable, not a file: no log.
% { : >"$LOG"; status_lines 'last log lines'; printf '\n\n\n' >"$LOG"; status_lines 'last log lines'
+ printf 'sync \377\376 failed\n' >"$LOG"; status_lines 'last log lines'
+ echo secret >"$LOG" && chmod 600 "$LOG" && chown root: "$LOG"; status_lines 'last log lines'
+ rm "$LOG" && mkdir "$LOG" && echo inside >"$LOG/x"; status_lines 'last log lines'; } | sort | uniq -c
|       3   (no log yet)
