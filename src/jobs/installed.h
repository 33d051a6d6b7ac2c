// The installed copy of the tool that both jobs run, and the state folder.
#pragma once

#include <string>

namespace qc {

// Gives a file to root:wheel with the mode, through the system's chown and
// chmod; their results are not looked at (in test mode they fail harmlessly).
void giveToRootWheel(const std::string& path, const char* mode);

void installProgram();
void ensureStateDir();

}  // namespace qc
