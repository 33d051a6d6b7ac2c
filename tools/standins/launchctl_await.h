// launchd has a job fully loaded when bootstrap returns: its watched paths
// armed and a RunAtLoad run started. The stand-in's supervisor is another
// process, so bootstrap waits for it to say so.
#pragma once

#include <string>

#include "launchctl_target.h"

namespace standin {

// Returns once the supervisor has loaded the job, the job is gone again, or
// no supervisor runs (outside --supervise nothing ever runs jobs). True
// unless the supervisor stayed silent for a minute.
bool awaitLoaded(const Domain& domain, const std::string& label);

}  // namespace standin
