#include "commands/status_log.h"

#include <cstdlib>

#include "common/text.h"
#include "common/time_text.h"
#include "common/utf8.h"

namespace qc {

namespace {

constexpr std::string_view kEvent = " quorvandel-connect: ";
constexpr std::string_view kAttempt = "sync against ";
constexpr std::string_view kRequest = "set-time request from user ";

// An event line: its time and what follows "quorvandel-connect: ".
std::optional<std::pair<int64_t, std::string_view>> event(std::string_view line) {
    constexpr size_t kTimeLength = 20;
    if (line.size() < kTimeLength || !line.substr(kTimeLength).starts_with(kEvent)) return std::nullopt;
    auto when = parseTime(std::string(line.substr(0, kTimeLength)));
    if (!when) return std::nullopt;
    return std::pair(*when, line.substr(kTimeLength + kEvent.size()));
}

// "sync against <server> (exit <code>)"
std::optional<SyncAttemptRecord> attempt(int64_t when, std::string_view what) {
    constexpr std::string_view kExit = " (exit ";
    if (!what.starts_with(kAttempt) || !what.ends_with(")")) return std::nullopt;
    what.remove_prefix(kAttempt.size());
    what.remove_suffix(1);
    const size_t at = what.rfind(kExit);
    if (at == std::string_view::npos) return std::nullopt;
    auto code = parseInt64(what.substr(at + kExit.size()));
    if (!code || *code < INT32_MIN || *code > INT32_MAX) return std::nullopt;
    return SyncAttemptRecord{when, escapeControls(what.substr(0, at)), static_cast<int32_t>(*code)};
}

// The time a request asked for, as its answer's words name it.
std::optional<std::string> requestedTime(bool ok, std::string_view words) {
    constexpr std::string_view kSet = "clock set to ", kSelfTest = " (self-test: not really)";
    constexpr std::string_view kEarlier = " is earlier than this Mac's last sync (", kNotATime = "\" is not a time.";
    if (ok) {
        if (!words.starts_with(kSet)) return std::nullopt;
        words.remove_prefix(kSet.size());
        if (words.ends_with(kSelfTest)) words.remove_suffix(kSelfTest.size());
        return std::string(words);
    }
    if (size_t at = words.find(kEarlier); at != std::string_view::npos) return std::string(words.substr(0, at));
    if (words.starts_with("\"")) {
        if (size_t at = words.rfind(kNotATime); at != std::string_view::npos)
            return std::string(words.substr(1, at - 1));
    }
    return std::nullopt;
}

// "set-time request from user <uid>: <ok|refused> <words>"; a revoke sets no clock.
std::optional<ClockRequestRecord> request(int64_t when, std::string_view what) {
    if (!what.starts_with(kRequest)) return std::nullopt;
    what.remove_prefix(kRequest.size());
    const size_t colon = what.find(": ");
    if (colon == std::string_view::npos) return std::nullopt;
    auto uid = parseInt64(what.substr(0, colon));
    std::string_view answer = what.substr(colon + 2);
    const bool ok = answer.starts_with("ok ");
    if (!uid || (!ok && !answer.starts_with("refused "))) return std::nullopt;
    answer.remove_prefix(ok ? 3 : 8);
    auto requested = requestedTime(ok, answer);
    if (requested) requested = escapeControls(*requested);
    return ClockRequestRecord{when, *uid, ok, requested};
}

}  // namespace

std::optional<double> sntpOffset(std::string_view line) {
    const size_t mark = line.find(" +/- ");
    if (mark == std::string_view::npos) return std::nullopt;
    size_t start = line.rfind(' ', mark == 0 ? 0 : mark - 1);
    start = start == std::string_view::npos ? 0 : start + 1;
    const std::string_view number = line.substr(start, mark - start);
    // [+-]digits[.digits]
    if (number.size() < 2 || (number[0] != '+' && number[0] != '-')) return std::nullopt;
    const size_t point = number.find('.');
    const std::string_view whole =
        number.substr(1, point == std::string_view::npos ? std::string_view::npos : point - 1);
    const std::string_view fraction = point == std::string_view::npos ? "" : number.substr(point + 1);
    auto digits = [](std::string_view d) {
        return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(whole) || (point != std::string_view::npos && !digits(fraction))) return std::nullopt;
    // The tool never changes its locale, so strtod reads the point as C does.
    return std::strtod(std::string(number).c_str(), nullptr);
}

LogFacts readLogFacts(const std::vector<std::string_view>& lines) {
    LogFacts facts;
    // The offset belongs to the attempt above it; a line before the first
    // attempt in view belongs to one that is no longer in view.
    std::optional<double> offset;
    bool inSuccessfulAttempt = false, offsetTaken = false;
    for (std::string_view line : lines) {
        auto stamped = event(line);
        if (auto tried = stamped ? attempt(stamped->first, stamped->second) : std::nullopt) {
            facts.lastAttempt = tried;
            inSuccessfulAttempt = tried->exitCode == 0;
            offsetTaken = false;
            if (inSuccessfulAttempt) offset.reset();
            continue;
        }
        if (auto asked = stamped ? request(stamped->first, stamped->second) : std::nullopt) {
            facts.setTimeRequests.push_back(std::move(*asked));
            continue;
        }
        if (inSuccessfulAttempt && !offsetTaken) {
            if (auto measured = sntpOffset(line)) {
                offset = measured;
                offsetTaken = true;
            }
        }
    }
    facts.offsetSeconds = offset;
    if (facts.setTimeRequests.size() > kReportedRequests)
        facts.setTimeRequests.erase(facts.setTimeRequests.begin(),
                                    facts.setTimeRequests.end() - static_cast<ptrdiff_t>(kReportedRequests));
    return facts;
}

}  // namespace qc
