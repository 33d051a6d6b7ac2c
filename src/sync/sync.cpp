#include "sync/sync.h"

#include <algorithm>
#include <cstdlib>

#include "common/clock.h"
#include "common/text.h"
#include "common/utf8.h"
#include "platform/platform.h"

namespace qc {

namespace {
constexpr size_t kManyLines = 5;
constexpr std::string_view kSntpMarker = "sntp: ";
}  // namespace

std::vector<std::string> sntpLinesToPrint(std::string_view output, int code) {
    std::vector<std::string> lines;
    // sntp's words reach a terminal and the log: shown with their controls escaped.
    for (auto line : nonEmptyLines(output)) {
        auto trimmed = trimBlanks(line);
        if (!trimmed.empty()) lines.push_back(escapeControls(trimmed));
    }
    if (code == 0 || lines.size() < kManyLines) return lines;

    // A long failure repeats itself: keep each sntp message once.
    std::vector<std::string> messages;
    for (const auto& line : lines) {
        size_t at = line.find(kSntpMarker);
        if (at == std::string::npos) continue;
        std::string message = line.substr(at);
        if (std::find(messages.begin(), messages.end(), message) == messages.end()) messages.push_back(message);
    }
    return messages;
}

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

SyncAttempt attemptSync(const std::string& server) {
    SyncAttempt attempt;
    attempt.epoch = nowWholeSeconds();  // before sntp runs
    RunResult result = platform().runSntp(server);
    attempt.code = result.code;
    attempt.lines = sntpLinesToPrint(result.out, result.code);
    for (const auto& line : attempt.lines)
        if (!attempt.offset) attempt.offset = sntpOffset(line);
    return attempt;
}

}  // namespace qc
