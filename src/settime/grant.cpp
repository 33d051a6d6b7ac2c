#include "settime/grant.h"

#include <pwd.h>
#include <sys/stat.h>

#include "common/atomic_write.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/plist.h"
#include "jobs/installed.h"
#include "jobs/launchd.h"
#include "jobs/state_dir.h"
#include "platform/platform.h"
#include "settime/audit_record.h"

namespace qc {

namespace {

constexpr const char* kGrantedUserKey = "uid";

// A numeric user id: an optional "+", then ASCII digits, at most 4294967295.
std::optional<uint32_t> parseUserId(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

}  // namespace

Result<uint32_t> allowSetTime(const std::string& userText) {
    const Paths& t = paths();
    auto uid = parseUserId(userText);
    if (!uid || *uid == 0 || !getpwuid(*uid))
        return Error{"\"" + userText + "\" is not a user of this Mac (give the numeric id; root does not need this)."};
    if (Status installed = installProgram(); !installed) return Error{installed.error()};
    (void)ensureStateDir();  // a folder that cannot be made shows as the request file's failure

    // A new, empty request file that only the granted user may write.
    const std::string& request = t.kSetTimeRequestPath;
    (void)removeFile(request);  // an old request and its owner go; there may be none
    if (!createEmptyFile(request, 0600)) return Error{"cannot create " + request + "."};
    // Neither is reported: a request the user cannot write is never served.
    (void)platform().setOwner(request, *uid, 0);
    (void)chmod(request.c_str(), 0600);

    Plist grant = newDict();
    setInteger(grant.get(), kGrantedUserKey, *uid);
    // Not reported either: without a readable grant, no request is served.
    (void)atomicWrite(t.kSetTimeGrantPath, toXml(grant.get()), 0644);
    (void)restartRequestCounts();  // a count that cannot restart goes on from the last grant's

    Plist job = jobPlist({t.kSetTimeLabel, {"set-time-from-request"}, t.kSetTimeRequestPath, std::nullopt});
    if (Status written = writeJobPlist(job.get(), t.kSetTimePlistPath); !written) return Error{written.error()};
    if (Status loaded = loadJob(t.kSetTimeLabel, t.kSetTimePlistPath); !loaded)
        return Error{"the set-the-clock job " + loaded.error()};
    return *uid;
}

std::optional<int64_t> grantedUser() {
    Plist grant = readPlistDict(paths().kSetTimeGrantPath);
    return dictInteger(grant.get(), kGrantedUserKey);
}

void forbidSetTime(bool keepAnswer) {
    const Paths& t = paths();
    (void)removeFile(t.kSetTimePlistPath);
    (void)removeFile(t.kSetTimeRequestPath);
    (void)removeFile(t.kSetTimeGrantPath);
    if (!keepAnswer) (void)removeFile(t.kSetTimeResultPath);
    (void)unloadJob(t.kSetTimeLabel);
}

}  // namespace qc
