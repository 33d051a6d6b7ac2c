#include "common/ownership.h"

#include <sys/stat.h>
#include <unistd.h>

#include "common/files.h"
#include "common/paths.h"
#include "common/process.h"

namespace qc {

void giveToRootWheel(const std::string& path, const char* mode) {
    (void)run("/usr/sbin/chown", {"root:wheel", path});
    (void)run("/bin/chmod", {mode, path});
}

void ensureStateDir() {
    const Paths& p = paths();
    (void)makeDirectories(p.kStateDir);
    if (!p.testMode()) (void)chown(p.kStateDir.c_str(), 0, 0);
    (void)chmod(p.kStateDir.c_str(), 0755);
}

}  // namespace qc
