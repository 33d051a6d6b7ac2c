#include "commands/status_render.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "common/console.h"
#include "common/time_text.h"
#include "common/version.h"

namespace qc {

namespace {
using Json = nlohmann::ordered_json;

constexpr int64_t kFailingAfter = 2;  // failed attempts in a row

Json moment(int64_t epoch) {
    return Json{{"epoch", epoch}, {"iso", isoText(epoch)}};
}

template <typename T>
Json orNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

// Older than twice the interval plus 300 s; a limit beyond the 64-bit range
// is never reached (and is always passed when the interval is negative).
bool isStale(int64_t age, int64_t interval) {
    int64_t limit = 0;
    if (__builtin_mul_overflow(interval, 2, &limit) || __builtin_add_overflow(limit, 300, &limit)) return interval < 0;
    return age > limit;
}

// Writes the offset into the document's "offsetSeconds":null as sntp prints
// it, seconds with six decimals (-0.000021), never in the exponent form
// (-2.1e-05) that nlohmann gives and a fleet script's grep would misread.
void putOffsetSeconds(std::string& document, std::optional<double> seconds) {
    // The largest double in %f: 309 digits before the point, six after.
    char number[320] = "null";
    if (seconds && std::isfinite(*seconds)) (void)std::snprintf(number, sizeof number, "%.6f", *seconds);  // fits
    // A quote inside a string is escaped, so only the key itself reads so.
    constexpr std::string_view kKey = "\"offsetSeconds\":null";
    if (size_t at = document.find(kKey); at != std::string::npos) document.replace(at + kKey.size() - 4, 4, number);
}

}  // namespace

std::string_view statusHealth(const StatusFacts& facts, int64_t now) {
    if (!facts.job) return "not-set-up";
    if (!facts.launchd.loaded) return "job-not-loaded";
    if (!facts.lastSync) return "never-synced";
    // One missed attempt (a laptop away from the office) is no failure yet; two in a row are.
    if (facts.attempt && facts.attempt->consecutiveFailures >= kFailingAfter) return "failing";
    if (isStale(now - *facts.lastSync, facts.job->interval)) return "stale";
    // Someone pointed the Mac elsewhere behind the tool's back (seen only where it is read).
    if (facts.timeServer && *facts.timeServer != facts.job->server) return "overridden";
    return "ok";
}

void printStatusText(const StatusFacts& facts) {
    outln("== this Mac ==");
    if (facts.job)
        outln("  syncs with " + facts.job->server + " at startup and every " + intervalText(facts.job->interval));
    else
        outln("  not set up");
    outln("== launchd service ==");
    if (!facts.launchd.loaded) outln("  (not loaded)");
    for (const auto& line : facts.launchd.lines) outln("  " + line);
    outln("== time settings before setup ==");
    if (!facts.saved) {
        outln("  (no record)");
    } else {
        outln("  time server: " + facts.saved->timeServer.value_or("(not recorded)"));
        if (facts.saved->automatic)
            outln(std::string("  set time automatically: ") + (*facts.saved->automatic ? "on" : "off"));
    }
    outln("== last sync ==");
    outln("  " + (facts.lastSync ? isoText(*facts.lastSync) : "(none recorded)"));
    outln("== without a password ==");
    outln(std::string("  sync now: ") + (facts.syncNow ? "yes" : "no (set up again to add it)"));
    if (facts.grant)
        outln("  set the clock: user " + std::to_string(facts.grant->uid) +
              (facts.grant->jobLoaded ? "" : " (its job is not loaded)"));
    else
        outln("  set the clock: nobody");
    if (facts.showsTimeServer) {
        outln("== configured time server ==");
        outln("  " + facts.timeServer.value_or("(could not read)"));
    }
    outln("== last log lines ==");
    if (!facts.logTail) outln("  (no log yet)");
    for (const auto& line : facts.logTail.value_or(std::vector<std::string>{})) outln("  " + line);
}

std::string statusJson(const StatusFacts& facts, int64_t now) {
    Json json;
    // Adding a key keeps the schema; renaming, removing or changing the meaning of one raises it.
    json["schema"] = 1;
    json["version"] = std::string(toolVersion());
    json["setUp"] = facts.job.has_value();
    json["server"] = facts.job ? Json(facts.job->server) : Json(nullptr);
    json["intervalSeconds"] = facts.job ? Json(facts.job->interval) : Json(nullptr);
    json["job"] = {{"loaded", facts.launchd.loaded},
                   {"state", orNull(facts.launchd.state)},
                   {"runIntervalSeconds", orNull(facts.launchd.runIntervalSeconds)}};
    json["beforeSetup"] = facts.saved ? Json{{"timeServer", orNull(facts.saved->timeServer)},
                                             {"setTimeAutomatically", orNull(facts.saved->automatic)}}
                                      : Json(nullptr);
    json["lastSync"] = facts.lastSync ? moment(*facts.lastSync) : Json(nullptr);
    const auto& attempt = facts.attempt;
    json["lastAttempt"] = attempt ? Json{{"epoch", attempt->epoch},
                                         {"iso", isoText(attempt->epoch)},
                                         {"server", attempt->server},
                                         {"exitCode", attempt->exitCode}}
                                  : Json(nullptr);
    json["offsetSeconds"] = nullptr;  // putOffsetSeconds writes it
    json["consecutiveFailures"] = attempt ? attempt->consecutiveFailures : 0;
    json["failingSince"] = attempt && attempt->failingSince ? moment(*attempt->failingSince) : Json(nullptr);
    json["syncNow"] = facts.syncNow;
    json["setTimeUser"] =
        facts.grant ? Json{{"uid", facts.grant->uid}, {"jobLoaded", facts.grant->jobLoaded}} : Json(nullptr);
    const AuditRecord audit = facts.audit.value_or(AuditRecord{});
    json["setTimeRequests"] = Json::array();
    for (const auto& entry : audit.entries)
        json["setTimeRequests"].push_back({{"epoch", entry.epoch},
                                           {"uid", entry.uid},
                                           {"outcome", entry.outcome},
                                           {"requested", orNull(entry.requested)},
                                           {"via", entry.via}});
    json["setTimeRequestCounts"] = {{"ok", audit.requestsOk}, {"refused", audit.requestsRefused}};
    // Only root reads the Mac's time server; anyone else gets null, never a guess.
    json["configuredTimeServer"] = orNull(facts.timeServer);
    json["logTail"] = orNull(facts.logTail);
    json["health"] = std::string(statusHealth(facts, now));
    // Text from files may hold bytes that are not UTF-8: shown as U+FFFD, never thrown over.
    std::string document = json.dump(-1, ' ', false, Json::error_handler_t::replace);
    putOffsetSeconds(document, attempt ? attempt->offsetSeconds : std::nullopt);
    return document;
}

}  // namespace qc
