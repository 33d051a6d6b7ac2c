#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "commands/commands.h"
#include "commands/status_facts.h"
#include "common/clock.h"
#include "common/console.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/plist.h"
#include "common/process.h"
#include "common/text.h"
#include "common/utf8.h"
#include "jobs/launchd.h"
#include "settings/time_settings.h"
#include "sync/last_sync.h"

namespace qc {

namespace {
constexpr size_t kLogLines = 12;
// Only the end of the log is read: a log that grew for years costs no more
// to show than a fresh one.
constexpr off_t kLogTailBytes = 64 * 1024;

// Up to count bytes from the offset; absent on a read error.
std::optional<std::string> readAt(int fd, off_t offset, size_t count) {
    std::string bytes(count, '\0');
    size_t got = 0;
    while (got < count) {
        ssize_t n = pread(fd, bytes.data() + got, count - got, offset + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// The log's last kLogTailBytes at most, from the start of a line; absent
// when it is not a regular file that can be read.
std::optional<std::string> readLogTail(const std::string& path) {
    // Non-blocking, so a FIFO put in the log's place cannot stall the open.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st;
    std::optional<std::string> tail;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        bool cut = st.st_size > kLogTailBytes;
        // One byte before the window too: a line that starts right at the
        // window's edge follows a line feed and is kept whole.
        off_t from = cut ? st.st_size - kLogTailBytes - 1 : 0;
        tail = readAt(fd, from, static_cast<size_t>(cut ? kLogTailBytes + 1 : st.st_size));
        if (tail && cut) {
            size_t lf = tail->find('\n');
            tail->erase(0, lf == std::string::npos ? tail->size() : lf + 1);
        }
    }
    close(fd);
    return tail;
}

std::optional<std::vector<std::string>> logTail(const std::string& path) {
    auto log = readLogTail(path);
    if (!log || !isValidUtf8(*log)) return std::nullopt;
    auto lines = nonEmptyLines(*log);
    size_t first = lines.size() > kLogLines ? lines.size() - kLogLines : 0;
    return std::vector<std::string>(lines.begin() + static_cast<ptrdiff_t>(first), lines.end());
}

}  // namespace

StatusFacts gatherStatus() {
    const Paths& t = paths();
    StatusFacts facts;
    facts.job = configuredJob();
    RunResult print = run(kLaunchctl, {"print", serviceTarget(t.kLabel)});
    facts.jobLoaded = print.code == 0;
    if (facts.jobLoaded) {
        for (auto line : nonEmptyLines(print.out)) {
            if (line.find("state =") != std::string_view::npos || line.find("run interval") != std::string_view::npos)
                facts.launchdLines.emplace_back(trimBlanks(line));
        }
    }
    if (Plist saved = readPlistDict(t.kStatePath))
        facts.saved = SavedSettings{dictString(saved.get(), "timeServer"), dictBool(saved.get(), "usingNetworkTime")};
    facts.lastSync = lastSyncRecord();
    facts.syncNow = pathExists(t.kSyncNowPath);
    Plist grant = readPlistDict(t.kSetTimeGrantPath);
    if (auto uid = dictInteger(grant.get(), "uid")) facts.grant = Grant{*uid, jobIsLoaded(t.kSetTimeLabel)};
    // Reading the system's time server needs root; an ordinary user gets no section.
    facts.showsTimeServer = actsAsRoot();
    if (facts.showsTimeServer) facts.timeServer = currentTimeServer();
    facts.logTail = logTail(t.kLogPath);
    return facts;
}

int cmdStatus(bool json) {
    StatusFacts facts = gatherStatus();
    if (json)
        outln(statusJson(facts, nowWholeSeconds()));
    else
        printStatusText(facts);
    return 0;
}

}  // namespace qc
