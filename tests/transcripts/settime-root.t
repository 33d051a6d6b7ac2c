# Outside test mode the clock call is real. The sandbox has taken the right
# to set the clock, so the refusal carries the system's reason. The time
# given is the current time, so that nothing could move even without the sandbox.
% "$TOOL" set-time "$(date -u +%Y-%m-%dT%H:%M:%SZ)"; echo "exit $?"
! the clock could not be set: Operation not permitted
| exit 1

# Root passes the handler's own check; with no grant it does nothing.
$[root] set-time-from-request
