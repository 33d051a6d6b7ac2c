// The installed copy of the tool that both jobs run, and the state folder.
#pragma once

namespace qc {

void installProgram();
void ensureStateDir();

}  // namespace qc
