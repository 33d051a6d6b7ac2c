#include "jobs/state_dir.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "common/atomic_write.h"
#include "common/files.h"
#include "common/paths.h"
#include "platform/platform.h"

namespace qc {

Status ensureStateDir() {
    const std::string& dir = paths().kStateDir;
    Status made = makeDirectories(dir);
    Status owned = platform().setOwner(dir, 0, 0);
    Status moded = chmod(dir.c_str(), 0755) == 0 ? Status{} : Error{strerror(errno)};
    return !made ? made : !owned ? owned : moded;
}

Status writeStateRecord(const std::string& path, plist_t dict) {
    if (!pathExists(paths().kStateDir)) return Error{"not set up"};
    return atomicWrite(path, toXml(dict), 0644);
}

}  // namespace qc
