// "launchctl supervise": the part of launchd that runs loaded jobs, for the
// test sandbox. Runs as root until SIGTERM.
#pragma once

namespace standin {

int cmdSupervise();

}  // namespace standin
