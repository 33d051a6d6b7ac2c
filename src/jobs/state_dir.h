// The state folder, which every file of the tool's state lives in.
#pragma once

#include "common/result.h"

namespace qc {

// Creates the state folder and its missing parents if need be, gives it to
// root (on a Mac) and sets mode 755. Each step is tried whatever happened to
// the one before; the first failure is returned.
Status ensureStateDir();

}  // namespace qc
