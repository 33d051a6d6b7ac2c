// Owners and modes of what the tool leaves on disk, and the state folder.
#pragma once

#include <string>

namespace qc {

// Gives a file to root:wheel with the mode, through the system's chown and
// chmod; their results are not looked at (in test mode they fail harmlessly).
void giveToRootWheel(const std::string& path, const char* mode);

// Creates the state folder if need be, owned by root outside test mode, 755.
void ensureStateDir();

}  // namespace qc
