// The state folder, which every file of the tool's state lives in.
#pragma once

#include <string>

#include "common/plist.h"
#include "common/result.h"

namespace qc {

// Creates the state folder and its missing parents if need be, gives it to
// root (on a Mac) and sets mode 755. Each step is tried whatever happened to
// the one before; the first failure is returned.
Status ensureStateDir();

// Replaces a record in the state folder with the property list, mode 644,
// and never makes the folder: where no step of the tool made it, the Mac is
// not set up, and a record must not make it look so to remove.
Status writeStateRecord(const std::string& path, plist_t dict);

}  // namespace qc
