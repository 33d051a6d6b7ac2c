#include "commands/status.h"

#include <cstddef>

#include "commands/status_render.h"
#include "common/clock.h"
#include "common/console.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/text.h"
#include "common/utf8.h"
#include "jobs/launchd.h"
#include "platform/platform.h"
#include "settime/audit_record.h"
#include "settime/grant.h"
#include "settings/time_settings.h"
#include "sync/attempt_record.h"
#include "sync/last_sync.h"

namespace qc {

namespace {
constexpr size_t kLogLines = 12;
// Only the end of the log is read: a log that grew for years costs no more
// to show than a fresh one.
constexpr size_t kLogTailBytes = 64 * 1024;

// The log's last kLogTailBytes at most, from the start of a line. One byte
// before the window is read too: a line that starts right at the window's
// edge follows a line feed and is kept whole.
std::optional<std::string> readLogTail(const std::string& path) {
    auto tail = readRegularFileTail(path, kLogTailBytes + 1);
    if (tail && tail->size() > kLogTailBytes) {
        size_t lf = tail->find('\n');
        tail->erase(0, lf == std::string::npos ? tail->size() : lf + 1);
    }
    return tail;
}

// The log's last lines, escaped; absent when there is no log that reads as text.
std::optional<std::vector<std::string>> readLog(const std::string& path) {
    auto log = readLogTail(path);
    if (!log || !isValidUtf8(*log)) return std::nullopt;
    auto lines = nonEmptyLines(*log);
    size_t first = lines.size() > kLogLines ? lines.size() - kLogLines : 0;
    std::vector<std::string> shown;
    for (size_t i = first; i < lines.size(); ++i) shown.push_back(escapeControls(lines[i]));
    return shown;
}

// Text from a file or another program, as it may be shown.
std::optional<std::string> shown(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return escapeControls(*text);
}

}  // namespace

StatusFacts gatherStatus() {
    const Paths& t = paths();
    StatusFacts facts;
    // Everything read from files and other programs is kept escaped, ready to show.
    facts.job = configuredJob();
    if (facts.job) facts.job->server = escapeControls(facts.job->server);
    facts.launchd = jobState(t.kLabel);
    facts.saved = savedSettings();
    if (facts.saved) facts.saved->timeServer = shown(facts.saved->timeServer);
    facts.lastSync = lastSyncRecord();
    facts.syncNow = pathExists(t.kSyncNowPath);
    if (auto uid = grantedUser()) facts.grant = Grant{*uid, jobIsLoaded(t.kSetTimeLabel)};
    // Reading the Mac's time server needs root; an ordinary user gets no section.
    facts.showsTimeServer = platform().actsAsRoot();
    if (facts.showsTimeServer) facts.timeServer = shown(platform().currentTimeServer());
    // Records hold escaped text only; a record that does not reads as absent.
    facts.attempt = attemptRecord();
    facts.audit = auditRecord();
    facts.logTail = readLog(t.kLogPath);
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
