// The sync command, and the one sync with its lines that install shares.
#pragma once

#include <string>

namespace qc {

// Syncs once, prints the event line and sntp's lines, and on success records
// the sync; true when sntp succeeded.
bool oneSync(const std::string& server);
// Syncs, retrying for ten minutes right after a boot; 0 once a sync succeeded.
int cmdSync(const std::string& server);

}  // namespace qc
