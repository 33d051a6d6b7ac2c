// The installed copy of the tool that both jobs run.
#pragma once

#include "common/result.h"

namespace qc {

// Puts the running tool at its installed place and proves the copy runs;
// what failed when it could not.
Status installProgram();

}  // namespace qc
