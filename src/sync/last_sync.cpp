#include "sync/last_sync.h"

#include "common/atomic_write.h"
#include "common/clock.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/text.h"
#include "common/utf8.h"
#include "jobs/state_dir.h"
#include "platform/platform.h"

namespace qc {

Status recordLastSync() {
    // A folder that cannot be made shows as the write's failure.
    (void)ensureStateDir();
    const std::string& path = paths().kLastSyncPath;
    Status written = atomicWrite(path, std::to_string(nowWholeSeconds()) + "\n", 0644);
    (void)platform().changeMode(path, "644");  // the write already gave it this mode
    return written;
}

std::optional<int64_t> parseLastSync(const std::string& text) {
    auto value = parseInt64(trimBlanksAndNewlines(text));
    if (!value || *value < 1) return std::nullopt;
    return value;
}

std::optional<int64_t> lastSyncRecord() {
    auto bytes = readRegularFile(paths().kLastSyncPath, kMaxLastSyncBytes);
    if (!bytes || !isValidUtf8(*bytes)) return std::nullopt;
    return parseLastSync(*bytes);
}

}  // namespace qc
